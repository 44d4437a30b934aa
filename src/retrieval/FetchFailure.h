#pragma once

// What went wrong with one page download. The error log's lines are made from it, with the
// status, in one place (CycleTexts::DownloadError).
enum class FetchFailure {
    None,                    // the page arrived (its body may be empty), or there was no address
    CannotConnect,           // no connection could be set up at all
    CannotOpen,              // address, connection, TLS, silence, cut-off transfer, redirect loop
    TooSlow,                 // the transfer went on slower than the minimum speed
    TookTooLong,             // the whole download went past its time limit
    HttpStatus,              // the server answered with a status other than 200
    AuthenticationFailed,    // 401 (page) or 407 (proxy) still after the last attempt
    ProxyPasswordUnreadable, // the proxy asked for credentials; its stored password cannot be restored
    TooLarge,                // the body went beyond the size cap
    Stopped,                 // the stop signal ended the download
};
