#include "PrintingDialog.h"
#include "ui_PrintingDialog.h"

#include "PrintJob.h"
#include "uResource.h"

#include <QGuiApplication>
#include <QIcon>

TfrmPrintingDialog::TfrmPrintingDialog(TPrintJob &job, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , ui(new Ui::TfrmPrintingDialog)
    , FJob(job)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TfrmPrintingDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    ui->imgPrinting->setPixmap(QIcon(QStringLiteral(":/icons/print.svg")).pixmap(48, 48));
    connect(ui->btnAbort, &QPushButton::clicked, this, &TfrmPrintingDialog::btnAbortClick);
    LocalizeForm();
}

TfrmPrintingDialog::~TfrmPrintingDialog()
{
    delete ui;
}

void TfrmPrintingDialog::showEvent(QShowEvent *event)
{
    setWindowTitle(QGuiApplication::applicationDisplayName());
    LocalizeForm();
    QDialog::showEvent(event);
}

void TfrmPrintingDialog::LocalizeForm()
{
    ApplyFormCharset(Str(10), this);
    ui->lblPrinting->setText(Str(6500));
    ui->btnAbort->setText(Str(6510));
}

void TfrmPrintingDialog::btnAbortClick()
{
    FJob.AbortJob();
    close();
}
