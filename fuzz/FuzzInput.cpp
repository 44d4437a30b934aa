#include "FuzzInput.h"

#include <QByteArrayView>
#include <cstdio>
#include <cstdlib>

QList<QByteArray> splitFuzzInput(const std::uint8_t* data, std::size_t size, int parts) {
    const QByteArrayView input(data, qsizetype(size));
    const QByteArrayView separator(FuzzPartSeparator, sizeof FuzzPartSeparator);
    QList<QByteArray> result;
    qsizetype from = 0;
    while (result.size() + 1 < parts) {
        const qsizetype at = input.indexOf(separator, from);
        if (at < 0)
            break;
        result.append(input.sliced(from, at - from).toByteArray());
        from = at + separator.size();
    }
    result.append(input.sliced(from).toByteArray());
    result.resize(parts);
    return result;
}

QByteArray joinFuzzInput(const QList<QByteArray>& parts) {
    return parts.join(QByteArray(FuzzPartSeparator, sizeof FuzzPartSeparator));
}

std::uint32_t fuzzNumber(const QByteArray& part, std::uint32_t fallback) {
    if (part.size() < 4)
        return fallback;
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i)
        number = (number << 8) | static_cast<unsigned char>(part.at(i));
    return number;
}

void fuzzCheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}
