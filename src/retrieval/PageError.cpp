#include "retrieval/PageError.h"

std::optional<PageError> downloadFailure(const FetchResult& result, const FetchRequest& request) {
    if (result.failure == FetchFailure::None || result.failure == FetchFailure::Stopped)
        return std::nullopt;
    const bool userNameGiven =
        result.httpStatus == 407 ? !request.proxyUserName.isEmpty() : !request.userName.isEmpty();
    return PageError{PageError::Kind::Download,
                     result.failure,
                     result.httpStatus,
                     request.url,
                     userNameGiven,
                     request.limits,
                     result.cause};
}
