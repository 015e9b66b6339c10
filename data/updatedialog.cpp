#include "data/updatedialog.h"

#include "data/sceneimport.h"
#include "platform/atomicfilewriter.h"

#include "ui_updatedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTextCodec>

namespace {

// Picture names a status line lists before it only counts the rest.
constexpr int NamesShown = 3;
// Widest the status text gets in the 400 pixels wide dialog.
constexpr int StatusTextWidth = 320;

// The header line of the template and of an exported table.
const char TemplateHeader[] =
    QT_TRANSLATE_NOOP("UpdateDialog", "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path");

} // namespace

UpdateDialog::UpdateDialog(QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, false, parent)
    , ui(std::make_unique<Ui::UpdateDialog>())
    , m_borderWidget(new QWidget)
{
    setTitle(tr("Update Data"));
    m_borderWidget->setObjectName(QStringLiteral("UpdateDialog_m_borderWidget"));
    ui->setupUi(m_borderWidget);
    // The content area takes ownership of the widget.
    setContentWidget(m_borderWidget);
    setDialogFixedSize(400, 300);

    connect(ui->m_btnExport, &QPushButton::clicked, this, &UpdateDialog::onExportTemplate);
    connect(ui->m_btnImport, &QPushButton::clicked, this, &UpdateDialog::onImportScene);
    connect(ui->m_btnExportTable, &QPushButton::clicked, this, &UpdateDialog::onExportSceneTable);

    setStatus(StatusClear, false);
    ui->m_labelTip->hide();
    // A second line (why an import failed, which pictures it did not copy)
    // wraps within the dialog instead of running past its edge.
    ui->m_tipText->setWordWrap(true);
    ui->m_tipText->setMaximumWidth(StatusTextWidth);
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::setStatus(int kind, bool ok)
{
    ui->m_tipText->setToolTip(QString());
    if (kind != StatusExport && kind != StatusImport) {
        ui->m_tipText->setText(QString());
        ui->m_tipIcon->setPixmap(QPixmap());
        return;
    }

    ui->m_tipText->show();
    ui->m_tipIcon->show();
    const QImage icon(ok ? QStringLiteral(":/CommonSkin/Larkspan/Images/Larkspan/DeviceInfo/icon_state_ok.png")
                         : QStringLiteral(":/CommonSkin/Larkspan/Images/Larkspan/DeviceInfo/icon_state_error.png"));
    ui->m_tipIcon->setPixmap(QPixmap::fromImage(icon));
    if (kind == StatusExport)
        ui->m_tipText->setText(ok ? tr("Export Success.") : tr("Export Failure."));
    else
        ui->m_tipText->setText(ok ? tr("Import Success, Restart Software to Work.")
                                  : tr("Import Failure."));
    fitStatusText();
}

void UpdateDialog::onExportTemplate()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Save File"), QDir::homePath() + QStringLiteral("/Template.csv"),
        QStringLiteral("*.csv"));
    if (fileName.isEmpty()) {
        setStatus(StatusClear, false);
        return;
    }

    const QString text = tr(TemplateHeader) + QLatin1Char('\n')
                         + tr("Hospital,H.265,720P,1204,D:\\secne\\hospital1.png") + QLatin1Char('\n')
                         + tr("Hospital,H.264,1080P,2048,D:\\secne\\hospital2.png") + QLatin1Char('\n')
                         + QLatin1Char('\n');
    const QByteArray bytes = QTextCodec::codecForLocale()->fromUnicode(text);

    // The user's old file is replaced only by a complete template.
    setStatus(StatusExport, writeFileAtomically(fileName, bytes));
}

void UpdateDialog::onImportScene()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Open File"), QString(),
                                                          QStringLiteral("*.csv"));
    if (fileName.isEmpty()) {
        setStatus(StatusClear, false);
        return;
    }

    const SceneImport result = importSceneTable(fileName, [](const QString &path) {
        return QImageReader(path).canRead();
    });
    setStatus(StatusImport, result.outcome == SceneImport::Imported);
    if (result.outcome == SceneImport::Refused) {
        showStatusDetail(result.problem.kind == SceneFileProblem::TooFewFields
                             ? tr("Line %1 has fewer than five fields.").arg(result.problem.line)
                             : tr("Line %1 has no whole, non-negative rate.").arg(result.problem.line));
        return;
    }

    // A picture that cannot be copied does not fail the import (the
    // template's example paths name no real files); the status names it.
    const QStringList &notCopied = result.picturesNotCopied;
    if (result.outcome == SceneImport::Imported && !notCopied.isEmpty()) {
        QString names = QStringList(notCopied.mid(0, NamesShown)).join(QStringLiteral(", "));
        if (notCopied.size() > NamesShown)
            names += QLatin1Char(' ') + tr("and %n more", nullptr, int(notCopied.size()) - NamesShown);
        showStatusDetail(tr("Pictures not copied: %1").arg(names));
        ui->m_tipText->setToolTip(notCopied.join(QLatin1Char('\n')));
    }
}

void UpdateDialog::onExportSceneTable()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Save File"), QDir::homePath() + QLatin1Char('/') + QLatin1String(SceneTableName),
        QStringLiteral("*.csv"));
    if (fileName.isEmpty()) {
        setStatus(StatusClear, false);
        return;
    }
    // The table in use, with the template's header, for the user to edit and
    // import again.
    setStatus(StatusExport, exportSceneTable(fileName, tr(TemplateHeader)));
}

void UpdateDialog::showStatusDetail(const QString &detail)
{
    ui->m_tipText->setText(ui->m_tipText->text() + QLatin1Char('\n') + detail);
    fitStatusText();
}

void UpdateDialog::fitStatusText()
{
    // A wrapping label picks a narrow width of its own; the status takes the
    // width of its longest line instead, up to the widest the dialog allows.
    QLabel *text = ui->m_tipText;
    const QFontMetrics metrics(text->font());
    int widest = 0;
    for (const QString &line : text->text().split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    text->setMinimumWidth(qMin(widest + 1, StatusTextWidth));
}
