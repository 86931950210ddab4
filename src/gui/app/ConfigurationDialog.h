#pragma once
// "Configuration": the KLU-40 interface unit or a serial port chosen directly — "COM 1".."COM 16",
// the serial devices found on the system, or any device path typed in.
#include <vector>

#include "app/ProgramSettings.h"
#include "settings/PromptDialog.h"

class QCheckBox;
class QPushButton;

namespace tarn::gui {

class CEnterComboBox;

struct SerialDeviceChoice {
    QString path;
    QString description;
    bool mayOpen = true;  // this user has permission to open the device
    QString group;        // the group that owns the device, which the user would have to join
};

// The serial devices the system reports, with their descriptions: USB adapters first.
std::vector<SerialDeviceChoice> FindSerialDevices();

class ConfigurationDialog : public CPromptDialog {
    Q_OBJECT
public:
    ConfigurationDialog(const ProgramSettings& settings, const std::vector<SerialDeviceChoice>& devices,
                        QWidget* parent = nullptr);

    // The settings with the port as chosen; meaningful after OK. Cancel leaves the caller's settings
    // as they were, the port type included.
    ProgramSettings Result() const;

    QCheckBox* InterfaceUnitBox() const { return unitBox_; }
    CEnterComboBox* PortBox() const { return portBox_; }
    QCheckBox* TraceBox() const { return traceBox_; }
    QPushButton* OkButton() const { return ok_; }

private:
    ProgramSettings settings_;
    QCheckBox* unitBox_;
    CEnterComboBox* portBox_;
    QCheckBox* traceBox_;
    QPushButton* ok_;
};

}  // namespace tarn::gui
