// The elements as the main window holds them: selection, removal, zoom.

#include "TfrmTarvik.h"

#include "MessageBoxes.h"
#include "TSurfacePanel.h"
#include "TVelWinSpinEdit.h"

#include <QComboBox>
#include <QLineEdit>

void TfrmTarvik::pnlFrontCoverClick()
{
    // select none: the panel shows nothing
    PanelUpdating = true;
    txtText->clear();
    SpinX->setValueSilently(0);
    SpinY->setValueSilently(0);
    txtImageName->clear();
    txtImageName->setToolTip(QString());
    cmbFitTo->setCurrentIndex(0);
    SpinImgWidth->setValueSilently(0);
    SpinImgHeight->setValueSilently(0);
    PanelUpdating = false;
}

void TfrmTarvik::DestroyAllElements()
{
}

void TfrmTarvik::RezoomElements()
{
}

void TfrmTarvik::InsertImageFile(const QString &path)
{
    Q_UNUSED(path);
}

int TfrmTarvik::FindTextSlot() const
{
    return 0;
}

int TfrmTarvik::FindImageSlot() const
{
    return 0;
}
