#include "app/ConfigurationDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>

#include <algorithm>
#include <cerrno>

#include "link/PortAdvice.h"
#include "settings/ControlId.h"
#include "settings/EnterComboBox.h"

namespace tarn::gui {
namespace {

constexpr int kConfigurationTemplate = 174;
constexpr int kPortListControl = 1242;

QString DeviceText(const SerialDeviceChoice& device) {
    QString text = device.description.isEmpty() ? device.path
                                                : QStringLiteral("%1  (%2)").arg(device.path, device.description);
    if (!device.mayOpen) {
        text += device.group.isEmpty() ? QStringLiteral("  - no permission")
                                       : QStringLiteral("  - no permission: join the group %1").arg(device.group);
    }
    return text;
}

}  // namespace

std::vector<SerialDeviceChoice> FindSerialDevices() {
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    // The cable is a USB adapter: those come first, before the computer's own serial ports.
    std::stable_sort(ports.begin(), ports.end(), [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
        return a.hasVendorIdentifier() && !b.hasVendorIdentifier();
    });
    std::vector<SerialDeviceChoice> found;
    for (const QSerialPortInfo& info : ports) {
        const std::string path = info.systemLocation().toStdString();
        const bool mayOpen = MayOpenPort(path);
        const QString group = mayOpen ? QString() : QString::fromStdString(LookUpPortFacts(path, EACCES).group);
        found.push_back({info.systemLocation(), info.description(), mayOpen, group});
    }
    return found;
}

ConfigurationDialog::ConfigurationDialog(const ProgramSettings& settings,
                                         const std::vector<SerialDeviceChoice>& devices, QWidget* parent)
    : CPromptDialog(kConfigurationTemplate, parent),
      settings_(settings),
      unitBox_(new QCheckBox(QStringLiteral("&KLU-40"), Body())),
      portBox_(new CEnterComboBox(Body())),
      traceBox_(new QCheckBox(QStringLiteral("Write serial &trace"), Body())),
      ok_(new QPushButton(QStringLiteral("OK"), Body())) {
    setWindowTitle(QStringLiteral("Configuration"));
    unitBox_->setChecked(settings.portType == PortType::InterfaceUnit);
    traceBox_->setChecked(settings.serialTrace);
    traceBox_->setToolTip(QStringLiteral("Every byte on the serial line goes into TarnTrace.txt beside TarnWin.ini"));

    portBox_->setEditable(true);
    portBox_->setInsertPolicy(QComboBox::NoInsert);
    portBox_->setMinimumContentsLength(28);
    for (int n = 1; n <= kComPortCount; ++n) portBox_->addItem(QStringLiteral("COM %1").arg(n));
    for (const SerialDeviceChoice& d : devices) {
        portBox_->addItem(DeviceText(d), d.path);
    }
    if (settings.portName.empty()) {
        portBox_->setCurrentIndex(settings.comPort - 1);
    } else {
        const int found = portBox_->findData(QString::fromStdString(settings.portName));
        if (found >= 0) {
            portBox_->setCurrentIndex(found);
        } else {
            portBox_->setEditText(QString::fromStdString(settings.portName));
        }
    }

    SetControlId(portBox_, kPortListControl);
    auto* label = new QLabel(QStringLiteral("Select COM Port"), Body());
    label->setBuddy(portBox_);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), Body());
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* fields = new QVBoxLayout;
    fields->addWidget(unitBox_);
    fields->addSpacing(8);
    fields->addWidget(label);
    fields->addWidget(portBox_);
    fields->addSpacing(8);
    fields->addWidget(traceBox_);
    fields->addStretch();
    auto* layout = new QHBoxLayout(Body());
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
}

ProgramSettings ConfigurationDialog::Result() const {
    ProgramSettings result = settings_;
    result.portType = unitBox_->isChecked() ? PortType::InterfaceUnit : PortType::ComPort;
    result.serialTrace = traceBox_->isChecked();
    const int index = portBox_->currentIndex();
    const bool typed = index < 0 || portBox_->currentText() != portBox_->itemText(index);
    if (typed) {
        // A typed entry that is neither "COM n" nor a device path keeps the port as it was.
        ApplyPortChoice(result, portBox_->currentText().toStdString());
    } else if (index < kComPortCount) {
        result.comPort = index + 1;
        result.portName.clear();
    } else {
        result.portName = portBox_->itemData(index).toString().toStdString();
    }
    return result;
}

}  // namespace tarn::gui
