// The "替换图片地址…" window: the uploaded addresses of the page's pictures, pasted one a line.
#pragma once

#include "app/secondary_window.h"

class QLabel;
class QPlainTextEdit;

namespace velquist {

class HotspotEditor;
class MainStatusLine;

class ReplaceAddressesWindow : public SecondaryWindow {
    Q_OBJECT
public:
    ReplaceAddressesWindow(HotspotEditor& editor, MainStatusLine& statusLine);

signals:
    void editorChanged();

private:
    // The addresses replace the page's and the window closes; a refused list stays on show
    // with the reason.
    void confirm();

    HotspotEditor& m_editor;
    MainStatusLine& m_statusLine;
    QPlainTextEdit* m_addresses = nullptr;
    QLabel* m_message = nullptr;
};

}  // namespace velquist
