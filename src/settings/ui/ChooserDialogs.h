#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// The font and file dialogs the options dialog asks. The desktop answers them with its dialogs,
// tests with scripted answers.
class ChooserDialogs {
public:
    virtual ~ChooserDialogs() = default;
    // The font the user chose, starting from initial; nothing when the user cancelled.
    virtual std::optional<QFont> chooseFontDialog(QWidget* parent, const QFont& initial) = 0;
    // The wave file the user chose, starting in startFolder; "" when the user cancelled.
    virtual QString openSoundFileDialog(QWidget* parent, const QString& startFolder) = 0;
};

// Qt's own font and file dialogs, above their parent when it stays on top.
class DesktopChooserDialogs final : public ChooserDialogs {
public:
    std::optional<QFont> chooseFontDialog(QWidget* parent, const QFont& initial) override;
    QString openSoundFileDialog(QWidget* parent, const QString& startFolder) override;
};
