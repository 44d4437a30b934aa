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

// Why an address could not be opened (FetchFailure::CannotOpen), as far as the transfer tells.
enum class OpenCause {
    Unknown,
    Refused,          // nobody listens at the address's port
    HostNotFound,     // the name does not resolve
    Certificate,      // the server's certificate could not be verified
    TlsHandshake,     // no secure connection could be agreed
    NoConnectAnswer,  // no connection within the connect time-out
    NoAnswer,         // connected, then nothing within the receive time-out
    TooManyRedirects, // redirected in circles
    BadAddress,       // not an http or https address libcurl can use
    ConnectionLost,   // the server closed or reset the connection mid-answer
};
