#pragma once

#include "base/UserPrompter.h"
#include "settings/AppSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// The proxy server dialog: whether downloads go through a proxy, its address and port, and the
// user name and password for a proxy that asks for them. OK writes UseProxy, Proxy, UserName and
// Password (scrambled anew each time) into the working copy it was given; any other way out leaves
// it alone.
class ProxyDialog : public QDialog {
    Q_OBJECT
public:
    ProxyDialog(AppSettings& workingCopy, UserPrompter& prompter, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ProxyDialog)

    // OK: refuses a password the scrambling cannot carry, and then stays open.
    void accept() override;

private:
    void addTextBox(int maxLength);
    QWidget* buildFrame();
    void load();
    void enableBoxes(bool enabled);

    AppSettings& m_settings;
    UserPrompter& m_prompter;
    QCheckBox* m_useProxy;
    QList<QLineEdit*> m_boxes; // txtText0..3: address, port, user name, password
};
