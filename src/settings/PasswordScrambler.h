#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Keyless scrambling of stored passwords, compatible with the scrambled texts already stored:
// each character becomes a pair of characters whose codes carry its decimal digits, and passwords
// of up to 8 characters are padded to 18 characters with an end marker and random filler.
//
// Character codes are those of CP932 read as signed 16-bit numbers, so only codes 0..129 survive;
// passwordSurvivesScrambling tells callers (the dialogs refuse such passwords).

// seed: the random source is seeded afresh per call from the clock unless a seed is given (tests).
QString encryptPassword(const QString& password, std::optional<std::uint32_t> seed = std::nullopt);

// Restores a scrambled text. A text that breaks off after the first character of a pair gives
// std::nullopt.
std::optional<QString> decryptPassword(const QString& scrambled);

bool passwordSurvivesScrambling(const QString& password);
// What the dialogs say when they refuse a password that would not survive (title "エラー").
QString passwordNotCarriedMessage();
