// The picture-address window: where the background picture's web address is entered.
#pragma once

#include <memory>
#include <string>

#include "app/secondary_window.h"

namespace Ui {
class PictureAddressWindowForm;
}

namespace velquist {

class PictureAddressWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // Opens showing `currentAddress`; "读取备份" reads the address remembered in `programDir`.
    PictureAddressWindow(const std::string& currentAddress, std::string programDir, QWidget* owner);
    ~PictureAddressWindow() override;

    // "保留热区": the picture confirmed here goes under the map's hotspots.
    bool keepHotspots() const;
    // For "添加图片": the box starts empty and "保留热区" goes, since an added picture keeps
    // everything.
    void setAdding();

signals:
    // An accepted address; the window closes right after.
    void confirmed(const std::string& address);
    // "取消": the window closes right after; a load under way is to stop.
    void cancelled();

private:
    void confirm();

    std::unique_ptr<Ui::PictureAddressWindowForm> m_ui;
    std::string m_programDir;
};

}  // namespace velquist
