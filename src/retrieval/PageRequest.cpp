#include "retrieval/PageRequest.h"

#include "settings/PasswordScrambler.h"

PageRequest makePageRequest(const PageRecord& page, const AppSettings& settings) {
    PageRequest made;
    FetchRequest& request = made.request;
    request.url = page.URL;
    request.userName = page.UserName;
    if (!page.Password.isEmpty()) {
        const std::optional<QString> password = decryptPassword(page.Password);
        if (password)
            request.password = *password;
        else
            made.passwordError = PageError::about(PageError::Kind::BrokenPassword, request.url);
    }
    if (settings.UseProxy)
        request.proxy = settings.Proxy;
    request.proxyUserName = settings.UserName;
    request.proxyPassword = decryptPassword(settings.Password);
    request.debugAgent = settings.Debug;
    return made;
}

ExtractionOptions extractionOptionsFor(const AppSettings& settings) {
    return {settings.IgnoreCase, settings.IgnoreQuote, settings.IgnoreExcept};
}
