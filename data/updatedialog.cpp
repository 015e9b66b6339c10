#include "data/updatedialog.h"

#include "data/localetextfile.h"
#include "platform/targetpath.h"

#include "ui_updatedialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QTextCodec>

namespace {

constexpr int SceneFieldCount = 5;
constexpr int PictureField = 4;

// Writes a copy of `source` to `target` through a temporary file beside it,
// so that `target` is replaced only by a complete copy and stays as it was
// when anything fails. Copying a file onto itself leaves it unchanged.
bool copyReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(64 * 1024);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            return false;
    }
    return out.commit();
}

// File name part of a picture path as the scene file writes it, with either
// kind of separator; empty when it names no file.
QString pictureFileName(const QString &picturePath)
{
    const qsizetype slash = qMax(picturePath.lastIndexOf(QLatin1Char('/')),
                                 picturePath.lastIndexOf(QLatin1Char('\\')));
    const QString name = picturePath.mid(slash + 1);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    return name;
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
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::setStatus(int kind, bool ok)
{
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
    QSaveFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                    && file.commit();
    setStatus(StatusExport, ok);
}

void UpdateDialog::onImportScene()
{
    const QString fileName = QFileDialog::getOpenFileName(this, tr("Open File"), QString(),
                                                          QStringLiteral("*.csv"));
    if (fileName.isEmpty()) {
        setStatus(StatusClear, false);
        return;
    }

    // Made before the scene file is touched, so that a folder that cannot be
    // made leaves everything as it was.
    const QString pictureFolder = OrvaneGUIToolkit::GetTargetPathFile(QStringLiteral("ScenePicture"));
    const QString target = OrvaneGUIToolkit::GetTargetPathFile(QStringLiteral("Scene.csv"));
    QStringList lines;
    if (!QDir().mkpath(pictureFolder) || !copyReplacing(fileName, target)
        || !readLocaleTextLines(target, lines)) {
        setStatus(StatusImport, false);
        return;
    }

    // The first line is the header. A picture that cannot be copied does not
    // fail the import: the template's example paths name no real files.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QStringList fields = lines.at(i).split(QLatin1Char(','));
        if (fields.size() < SceneFieldCount)
            continue;
        const QString name = pictureFileName(fields.at(PictureField));
        if (!name.isEmpty())
            copyReplacing(fields.at(PictureField), pictureFolder + QLatin1Char('/') + name);
    }
    setStatus(StatusImport, true);
}
