#include "cskinmanager.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QWidget>

// The base style sheets are compiled in from data/styles/ (styles.qrc). A
// static library drops the resource's registration unless someone names it.
static void initStyleResources()
{
    Q_INIT_RESOURCE(styles);
}

namespace {

// The listed skins in menu order; the style index counts from 0. The base
// skin is plain: its colours are the ones the sheets and panels are written in.
struct SkinRow
{
    const char *name;
    int red, green, blue; // tint colour
    bool plain;
};
// clang-format off
const SkinRow SKIN_TABLE[] = {
    // name        tint colour (RGB)   plain
    {"Chocolate",  0,   0,   0,        true},
    {"Blue",       200, 220, 255,      false},
    {"Blue Sky",   99,  188, 249,      false},
    {"Lavender",   204, 185, 240,      false},
    {"Rose",       255, 213, 236,      false},
    {"Moss",       204, 237, 224,      false},
    {"Beige",      233, 213, 192,      false},
};
// clang-format on

// Sheet number of each style kind that has one of its own; every other kind
// takes sheet 0 (line edits, date fields, combo boxes, plain buttons).
struct KindRow
{
    int kind;
    int sheet; // -1: the widget keeps its own sheet
};
// clang-format off
const KindRow KIND_TABLE[] = {
    // kind  sheet    used for
    {0,      1},   // the main window, check boxes
    {10,     1},   // the Chaldean box and other check boxes
    {2,      8},   // the module buttons
    {3,      -1},  // leaves the widget's sheet alone
    {5,      9},   // the name button
    {6,      10},  // flat buttons
    {7,      11},  // the input overlay's boxes
    {8,      12},  // the input overlay's inner area
    {9,      2},   // accent labels ("Phonetic:")
    {12,     13},  // the chart page and designer
    {16,     3},   // framed input boxes
    {25,     6},   // list, tree and table views
};
// clang-format on

// Where the sheets write the image folder; filled in after tinting, so a
// folder name with "#" in it is never taken for a colour. A picture the
// image folder lacks is taken from the copy compiled in with the sheets.
const QString IMAGE_FOLDER_MARK = QStringLiteral("%IMAGES%/");
const QString BUILT_IN_PICTURES = QStringLiteral(":/styles/");

// Pictures of the chart designer's handles.
const char *const EDITOR_PICTURES[] = {"move-s.png", "rotate-s.png", "scale-s.png"};

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// The six characters after a "#" as an RGB value; 0 when any is not a
// hexadecimal digit or the text ends first.
QRgb readHexColour(const QString &text, int from)
{
    if (from + 6 > text.size())
        return 0;
    QRgb value = 0;
    for (int i = from; i < from + 6; ++i) {
        const int digit = hexDigit(text.at(i));
        if (digit < 0)
            return 0;
        value = value * 16 + QRgb(digit);
    }
    return value;
}

QString baseSheetText(int sheet)
{
    QFile file(QStringLiteral(":/styles/sheet%1.qss").arg(sheet, 2, 10, QLatin1Char('0')));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

const char *const CSkinManager::MATRIX_PICTURE = "matrix.png";
const char *const CSkinManager::HANDLE_PICTURE = "handle.png";

CSkinManager::CSkinManager(const QString &imageFolder, QObject *parent)
    : QObject(parent)
    , m_imageFolder(imageFolder)
{
    initStyleResources();
    if (!m_imageFolder.isEmpty() && !m_imageFolder.endsWith(QLatin1Char('/')))
        m_imageFolder += QLatin1Char('/');

    // Every tinted skin's sheets are made once, here, from the base sheets.
    QStringList baseSheets;
    for (int i = 0; i < SHEET_COUNT; ++i)
        baseSheets << baseSheetText(i);
    for (const SkinRow &row : SKIN_TABLE) {
        Skin skin;
        skin.name = QLatin1String(row.name);
        skin.tint = QColor(row.red, row.green, row.blue);
        skin.plain = row.plain;
        for (const QString &sheet : baseSheets)
            skin.sheets << mapStyleSheet(sheet, skin);
        m_skins << skin;
    }

    // Pictures; any of them may be missing, and then stays null.
    setBasePictures(loadImage(QLatin1String(MATRIX_PICTURE)), loadImage(QLatin1String(HANDLE_PICTURE)));
    for (const char *name : EDITOR_PICTURES)
        m_editorImages.insert(QLatin1String(name), loadImage(QLatin1String(name)));

    selectSkin(0);
}

QStringList CSkinManager::skinNames() const
{
    QStringList names;
    for (const Skin &skin : m_skins)
        names << skin.name;
    return names;
}

const CSkinManager::Skin &CSkinManager::skin(int index) const
{
    return m_skins.at(index >= 0 && index < m_skins.size() ? index : 0);
}

void CSkinManager::selectSkin(int index)
{
    const int current = (index >= 0 && index < m_skins.size()) ? index : 0;
    const Skin &skin = m_skins.at(current);
    m_sheets.clear();
    for (const QString &sheet : skin.sheets)
        m_sheets << withImageFolder(sheet);
    setCurrentTint(current, SkinTint{skin.tint, skin.percent, skin.plain});
    m_tinted.clear();
}

QString CSkinManager::mapStyleSheet(const QString &text) const
{
    return mapStyleSheet(text, m_skins.at(currentSkin()));
}

QString CSkinManager::mapStyleSheet(const QString &text, const Skin &skin)
{
    if (skin.plain)
        return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        out += text.at(i);
        if (text.at(i) != QLatin1Char('#'))
            continue;
        const QColor tinted = tintColor(QColor(readHexColour(text, i + 1)), skin.tint, skin.percent, false);
        out += QStringLiteral("%1").arg(tinted.rgb() & 0xffffff, 6, 16, QLatin1Char('0'));
        i += 6;
    }
    return out;
}

QImage CSkinManager::tintImage(const QImage &image, const Skin &skin)
{
    return CSkinTint::tintImage(image, SkinTint{skin.tint, skin.percent, skin.plain});
}

QImage CSkinManager::loadTinted(const QString &fileName) const
{
    auto tinted = m_tinted.constFind(fileName);
    if (tinted == m_tinted.constEnd())
        tinted = m_tinted.insert(fileName, tintImage(loadImage(fileName)));
    return *tinted;
}

QPixmap CSkinManager::modulePicture(const QString &fileName) const
{
    QImage picture = loadTinted(fileName);
    if (picture.isNull())
        return QPixmap();
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.setPen(mapColor("#5c524c"));
    painter.drawRect(0, 0, 59, 59);
    painter.end();
    return QPixmap::fromImage(picture);
}

QImage CSkinManager::editorImage(const QString &fileName) const
{
    return m_editorImages.value(fileName);
}

int CSkinManager::sheetForKind(int kind)
{
    for (const KindRow &row : KIND_TABLE)
        if (row.kind == kind)
            return row.sheet;
    return 0;
}

QString CSkinManager::styleSheet(int sheet) const
{
    return sheet >= 0 && sheet < m_sheets.size() ? m_sheets.at(sheet) : QString();
}

QString CSkinManager::baseStyleSheet(int sheet) const
{
    const QStringList &sheets = m_skins.at(0).sheets;
    return sheet >= 0 && sheet < sheets.size() ? withImageFolder(sheets.at(sheet)) : QString();
}

QString CSkinManager::styleSheetForKind(int kind) const
{
    return styleSheet(sheetForKind(kind));
}

void CSkinManager::applyStyle(QWidget *widget, int kind) const
{
    const int sheet = sheetForKind(kind);
    if (widget && sheet >= 0)
        widget->setStyleSheet(styleSheet(sheet));
}

QString CSkinManager::withImageFolder(const QString &sheet) const
{
    QString text;
    int from = 0;
    for (int mark = sheet.indexOf(IMAGE_FOLDER_MARK); mark >= 0;
         mark = sheet.indexOf(IMAGE_FOLDER_MARK, from)) {
        text += sheet.midRef(from, mark - from);
        from = mark + IMAGE_FOLDER_MARK.size();
        int end = sheet.indexOf(QLatin1Char(')'), from);
        if (end < 0)
            end = sheet.size();
        const QString name = sheet.mid(from, end - from).trimmed();
        const bool inFolder = !m_imageFolder.isEmpty() && QFile::exists(m_imageFolder + name);
        text += inFolder ? m_imageFolder : BUILT_IN_PICTURES;
    }
    text += sheet.midRef(from);
    return text;
}

QImage CSkinManager::loadImage(const QString &fileName) const
{
    if (m_imageFolder.isEmpty())
        return QImage();
    auto loaded = m_loaded.constFind(fileName);
    if (loaded == m_loaded.constEnd())
        loaded = m_loaded.insert(fileName, QImage(m_imageFolder + fileName));
    return *loaded;
}

