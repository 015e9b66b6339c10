#include "data/updatedialog.h"

#include "data/atomicfilewriter.h"
#include "data/localetextfile.h"
#include "data/regularfile.h"
#include "data/scenefile.h"
#include "platform/writablepath.h"

#include "ui_updatedialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
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

// A picture is copied only from a regular file that the image reader takes.
bool isPictureFile(const QString &path)
{
    return QFileInfo(path).isFile() && QImageReader(path).canRead();
}

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

    const QString text = tr("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path")
                         + QLatin1Char('\n')
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

    // The table is checked before anything is replaced, and what was checked
    // is what gets written.
    QByteArray bytes;
    if (!readRegularFile(fileName, &bytes)) {
        setStatus(StatusImport, false);
        return;
    }
    const QStringList lines = localeTextLines(bytes);
    const SceneFileProblem problem = findSceneFileProblem(lines);
    if (problem.kind != SceneFileProblem::None) {
        setStatus(StatusImport, false);
        showStatusDetail(problem.kind == SceneFileProblem::TooFewFields
                             ? tr("Line %1 has fewer than five fields.").arg(problem.line)
                             : tr("Line %1 has no whole, non-negative rate.").arg(problem.line));
        return;
    }

    // The picture folder is made before the scene file is touched, and the
    // table in use is kept as a backup before it is replaced, so that a
    // failure on the way leaves the old table in place. An installed program
    // reads the shipped table until the first import, which it then backs up
    // into the user's folder.
    const QString pictureFolder =
        OrvaneGUIToolkit::GetWritablePathFile(QLatin1String(ScenePictureFolder));
    const QString target = OrvaneGUIToolkit::GetWritablePathFile(QLatin1String(SceneTableName));
    const QString current = OrvaneGUIToolkit::GetReadablePathFile(QLatin1String(SceneTableName));
    if (target.isEmpty() || !QDir().mkpath(pictureFolder)
        || (QFileInfo::exists(current) && !copyFileAtomically(current, target + QStringLiteral(".bak")))
        || !writeFileAtomically(target, bytes)) {
        setStatus(StatusImport, false);
        return;
    }

    // A picture that cannot be copied does not fail the import (the
    // template's example paths name no real files); the status names it.
    QStringList notCopied;
    const QStringList pictures = scenePicturePaths(lines);
    for (const QString &source : pictures) {
        const QString name = scenePictureFileName(source);
        if (name.isEmpty())
            continue;
        if (!isPictureFile(source)
            || !copyFileAtomically(source, pictureFolder + QLatin1Char('/') + name))
            notCopied.append(name);
    }
    setStatus(StatusImport, true);
    if (!notCopied.isEmpty()) {
        QString names = QStringList(notCopied.mid(0, NamesShown)).join(QStringLiteral(", "));
        if (notCopied.size() > NamesShown)
            names += QLatin1Char(' ') + tr("and %n more", nullptr, int(notCopied.size()) - NamesShown);
        showStatusDetail(tr("Pictures not copied: %1").arg(names));
        ui->m_tipText->setToolTip(notCopied.join(QLatin1Char('\n')));
    }
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
