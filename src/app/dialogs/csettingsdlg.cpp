#include "csettingsdlg.h"

#include "files/configfile.h"
#include "files/regularfilereader.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The practitioner's rows (name, contact line, logo) sit between the options
// and the buttons; the dialog is that much taller than the options alone need.
const int NAME_ROW_HEIGHT = 40;
const int CONTACT_ROW_HEIGHT = 32;
const int LOGO_ROW_HEIGHT = 60;
// A picture file larger than this is not a logo.
const qint64 MAX_LOGO_FILE_BYTES = 32 * 1024 * 1024;
} // namespace

CSettingsDlg::CSettingsDlg(QWidget *parent)
    : QDialog(parent)
{
    // everything under the options moves down by this
    const int below = NAME_ROW_HEIGHT + CONTACT_ROW_HEIGHT + LOGO_ROW_HEIGHT;
    auto *buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    buttonBox->setGeometry(50, 330 + below, 341, 32);
    auto *defaults = new QPushButton(QStringLiteral("Restore Default Settings"), this);
    defaults->setObjectName(QStringLiteral("defaultSettingsBut"));
    defaults->setGeometry(10, 330 + below, 191, 32);

    checkBoxLP1 = checkBox("checkBoxLP1", QStringLiteral("= DIG(DIG(Y) + DIG(M) + DIG(D))"), QRect(30, 40, 241, 20));
    label("label", QStringLiteral("Life Path Master Number Calculation:"), QRect(20, 20, 241, 16));
    checkBoxLP2 = checkBox("checkBoxLP2", QStringLiteral("= DIG(Y +M + D)"), QRect(30, 60, 241, 20));
    checkBoxLP3 = checkBox("checkBoxLP3", QStringLiteral("= Sum of all digits"), QRect(30, 80, 241, 20));
    label("label_2", QStringLiteral("Name calculation:"), QRect(20, 120, 241, 16));
    checkBoxNameWD = checkBox("checkBoxNameWD", QStringLiteral("Down to digit every word"), QRect(30, 140, 301, 20));
    checkBoxNameDD =
        checkBox("checkBoxNameDD", QStringLiteral("Reduce Master Numbers to Digit"), QRect(30, 160, 301, 20));
    label("label_3", QStringLiteral("Additional:"), QRect(20, 200, 241, 16));
    checkBoxTransits = checkBox("", QStringLiteral("Don't generate missed transits"), QRect(30, 220, 301, 20));
    checkBoxNameEMM =
        checkBox("checkBoxNameEMM", QStringLiteral("Calculate 11,22...99 Master numbers"), QRect(30, 240, 301, 20));
    checkBoxNameEMM->setEnabled(false);
    checkBoxNameEMM->setVisible(false);
    label("label_4", QStringLiteral("Format:"), QRect(20, 280, 241, 16));
    checkBoxDateFormat =
        checkBox("checkBoxDateFormat", QStringLiteral("Date Input - DD/MM/YYYY"), QRect(30, 300, 301, 20));

    // The practitioner's name, for charts that print it.
    label("label_5", QStringLiteral("Numerologist:"), QRect(20, 333, 100, 20));
    numerologistEdit = new QLineEdit(this);
    numerologistEdit->setObjectName(QStringLiteral("numerologistEdit"));
    numerologistEdit->setGeometry(124, 330, 256, 24);
    numerologistEdit->setPlaceholderText(QStringLiteral("Your name on printed charts"));
    label("contactLabel", QStringLiteral("Contact:"), QRect(20, 365, 100, 20));
    contactEdit = new QLineEdit(this);
    contactEdit->setObjectName(QStringLiteral("contactEdit"));
    contactEdit->setGeometry(124, 362, 256, 24);
    contactEdit->setPlaceholderText(QStringLiteral("Telephone, e-mail or web site"));
    label("logoLabel", QStringLiteral("Logo:"), QRect(20, 397, 100, 20));
    logoPreview = label("logoPreview", QString(), QRect(124, 394, 120, 50));
    logoPreview->setAlignment(Qt::AlignCenter);
    logoPreview->setWordWrap(true);
    auto *logoChoose = new QPushButton(QStringLiteral("Choose..."), this);
    logoChoose->setObjectName(QStringLiteral("logoChoose"));
    logoChoose->setGeometry(252, 394, 128, 24);
    connect(logoChoose, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Choose Your Logo"), QDir::homePath(),
                                                          QStringLiteral("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
        if (!path.isEmpty())
            chooseLogoFile(path);
    });
    logoRemove = new QPushButton(QStringLiteral("Remove"), this);
    logoRemove->setObjectName(QStringLiteral("logoRemove"));
    logoRemove->setGeometry(252, 420, 128, 24);
    connect(logoRemove, &QPushButton::clicked, this, [this] { setLogoPng(QByteArray()); });
    showLogo();

    if (objectName().isEmpty())
        setObjectName(QStringLiteral("CSettingsDlg"));
    setWindowModality(Qt::ApplicationModal);
    const QSize size(400, 370 + below);
    resize(size);
    setMinimumSize(size);
    setMaximumSize(size);
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setHorizontalStretch(40);
    setSizePolicy(policy);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);
    setWindowFlags(windowFlags() & ~Qt::WindowMinimizeButtonHint);
    if (!qApp->styleSheet().isEmpty())
        setStyleSheet(qApp->styleSheet());
    setWindowTitle(QStringLiteral("Settings"));
}

QCheckBox *CSettingsDlg::checkBox(const char *objectName, const QString &text, const QRect &geometry)
{
    auto *box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(objectName));
    box->setGeometry(geometry);
    return box;
}

QLabel *CSettingsDlg::label(const char *objectName, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(objectName));
    label->setGeometry(geometry);
    return label;
}

void CSettingsDlg::on_defaultSettingsBut_clicked()
{
    setOptions(CalcOptions());
    checkBoxNameEMM->setChecked(false);
    checkBoxDateFormat->setChecked(false);
}

void CSettingsDlg::setOptions(const CalcOptions &options)
{
    checkBoxLP1->setChecked(options.lifePathMethod1);
    checkBoxLP2->setChecked(options.lifePathMethod2);
    checkBoxLP3->setChecked(options.lifePathMethod3);
    checkBoxNameWD->setChecked(options.reduceEachWord);
    checkBoxNameDD->setChecked(options.reduceMasterLetters);
    checkBoxTransits->setChecked(options.noSubstituteTransits);
}

CalcOptions CSettingsDlg::options() const
{
    CalcOptions options;
    options.lifePathMethod1 = checkBoxLP1->isChecked();
    options.lifePathMethod2 = checkBoxLP2->isChecked();
    options.lifePathMethod3 = checkBoxLP3->isChecked();
    options.reduceEachWord = checkBoxNameWD->isChecked();
    options.reduceMasterLetters = checkBoxNameDD->isChecked();
    options.noSubstituteTransits = checkBoxTransits->isChecked();
    return options;
}

void CSettingsDlg::setDayFirstDates(bool dayFirst) { checkBoxDateFormat->setChecked(dayFirst); }
bool CSettingsDlg::dayFirstDates() const { return checkBoxDateFormat->isChecked(); }
void CSettingsDlg::setMasterMode(int mode) { checkBoxNameEMM->setChecked(mode == 1); }
void CSettingsDlg::setNumerologist(const QString &name) { numerologistEdit->setText(name); }
QString CSettingsDlg::numerologist() const { return numerologistEdit->text().simplified(); }
void CSettingsDlg::setNumerologistContact(const QString &line) { contactEdit->setText(line); }
QString CSettingsDlg::numerologistContact() const { return contactEdit->text().simplified(); }

void CSettingsDlg::setLogoPng(const QByteArray &png)
{
    m_logoPng = png;
    showLogo();
}

bool CSettingsDlg::chooseLogoFile(const QString &path)
{
    const FileReadResult file = readRegularFile(path, MAX_LOGO_FILE_BYTES);
    QImage picture;
    if (file.status == FileReadResult::Ok)
        picture = QImage::fromData(file.bytes);
    if (picture.isNull()) {
        showLogo(file.status == FileReadResult::Ok ? QStringLiteral("Not a picture this program can read")
                                                   : file.reason);
        return false;
    }
    // Kept small: the configuration carries it, and a cover shows it small.
    if (picture.width() > MAX_LOGO_SIDE || picture.height() > MAX_LOGO_SIDE)
        picture = picture.scaled(MAX_LOGO_SIDE, MAX_LOGO_SIDE, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        showLogo(QStringLiteral("The picture could not be kept"));
        return false;
    }
    setLogoPng(png);
    return true;
}

void CSettingsDlg::showLogo(const QString &note)
{
    const QImage logo = QImage::fromData(m_logoPng);
    logoRemove->setEnabled(!logo.isNull());
    if (!note.isEmpty() || logo.isNull()) {
        logoPreview->setPixmap(QPixmap());
        logoPreview->setText(note.isEmpty() ? QStringLiteral("No logo") : note);
        return;
    }
    logoPreview->setPixmap(
        QPixmap::fromImage(logo.scaled(logoPreview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
