#include "editors/framework/longtime_runner.h"

#include "app/longtime_write_db.h"
#include "editors/framework/dlg_longtime_operation.h"

namespace tallo {

namespace {

void TakeSettings(CDlgLongtimeOperation& window, const CLongtimeOperation& operation) {
    window.ShowEstimate(operation.EstimateShown());
    window.SetShownWhileRunning(operation.Visible());
}

} // namespace

LongtimeResult RunWithProgressDialog(CLongtimeOperation& operation, QWidget* parent) {
    CDlgLongtimeOperation window(parent);
    TakeSettings(window, operation);
    return operation.RunWithProgress(window, window.ModalLoop());
}

LongtimeResult StartWithProgressDialog(CLongtimeWriteDB& operation, QWidget* parent) {
    CDlgLongtimeOperation window(parent);
    TakeSettings(window, operation);
    return operation.Start(window, window.ModalLoop());
}

} // namespace tallo
