#pragma once
// The connection settings dialog ("Communication selection"): the Qt face of
// ConnectionDialogModel. It lists the serial ports, with a line saying why
// the chosen one cannot be opened, and hands the settings back through a
// callback whenever it closes, whichever button closed it; on OK it also
// links the chosen COM port, or a device path typed as the port, to its device.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/connection_dialog_model.h"
#include "app/serial_port_scan.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace dorvik {

struct PortPlaces {
    std::string devRoot;    // "" is the real /dev
    std::string configDir;  // holds ports/comN
    OpenProbe probe = ProbeOpen;
    bool connected = false;  // the link is up: the port fields are locked, nothing probed
};

class CCommunciation : public QDialog {
    Q_OBJECT
public:
    using ClosedFn = std::function<void(const ConnectionSettings&)>;

    CCommunciation(const ConnectionSettings& current, MessageBox& messages, PortPlaces places,
                   ClosedFn onClosed, QWidget* parent = nullptr);

    void done(int result) override;
    const ConnectionDialogModel& Model() const { return model_; }
    const std::vector<AvailablePort>& Ports() const { return ports_; }

private:
    void BuildControls();
    QLayout* BuildUnitRows(QPushButton* help);
    void ConnectChecks();
    QWidget* BuildPortGroup();
    void FillPortList();
    void ShowControls(const ConnectionForm& form);
    void ShowChecks();
    void ShowPortNote();
    ConnectionForm ReadControls() const;
    void LinkChosenPort();
    void OnOk();

    ConnectionDialogModel model_;
    PortPlaces places_;
    ClosedFn onClosed_;
    std::vector<AvailablePort> ports_;
    QComboBox *port_, *baud_, *dataBits_, *stopBits_, *parity_;
    QLineEdit *unitId_, *password_, *expiredTime_, *unitPhone_, *messageCenter_;
    QCheckBox *tavrin_, *savePassword_, *useModem_;
    QLabel* portNote_;
};

}  // namespace dorvik
