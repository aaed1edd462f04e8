#pragma once

// The skins of the window: one dark brown design ("Chocolate") and its
// colour variants. A variant is never drawn on its own: every colour of the
// base design is re-tinted by one formula (tintColor) that keeps the colour's
// brightness and takes hue and saturation from the variant's tint colour.
//
// The skin manager holds the skins with their style sheets, hands a style
// sheet to a widget by its kind, maps single colours for the custom-painted
// panels and re-tints pictures. The window creates it first, with the image
// folder, and gives it to every panel and dialog.

#include "skins/cskintint.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

class CSkinManager : public QObject, public CSkinTint
{
    Q_OBJECT
public:
    static const int SHEET_COUNT = 14; // style sheets 0 to 13 per skin

    // Style kinds the window's widgets are given (applyStyle).
    enum StyleKind {
        KIND_WINDOW = 0, // the main window, check boxes
        KIND_CHECK_BOX = 0,
        KIND_DEFAULT = 1, // line edits, date fields, combo boxes, plain buttons
        KIND_MODULE_BUTTON = 2,
        KIND_NAME_BUTTON = 5,
        KIND_OVERLAY_BOX = 7,
        KIND_OVERLAY_INNER = 8,
        KIND_PHONETIC = 9,
        KIND_CHART = 12, // the chart page and designer
    };

    // One skin: its sheets, its tint colour, a percentage (0 for every listed
    // skin) and the plain flag of the base skin, whose colours stay as written.
    struct Skin
    {
        QString name;
        QStringList sheets;
        QColor tint;
        int percent = 0;
        bool plain = false;
    };

    // imageFolder ends with "/" (the application folder followed by "/images/").
    explicit CSkinManager(const QString &imageFolder, QObject *parent = nullptr);

    QString imageFolder() const { return m_imageFolder; }

    // --- skins ---
    int skinCount() const { return m_skins.size(); }
    QStringList skinNames() const;
    const Skin &skin(int index) const; // an index outside the list gives the base skin
    // Makes a skin current; an index outside the list selects the base skin.
    void selectSkin(int index);

    // --- colours (tintColor, mapColor: CSkinTint) ---
    // Every "#rrggbb" of a text tinted for the current skin; rgb(...) stays.
    QString mapStyleSheet(const QString &text) const;
    static QString mapStyleSheet(const QString &text, const Skin &skin);

    // --- pictures ---
    // Pictures tinted for a listed skin (the current one: CSkinTint).
    using CSkinTint::tintImage;
    static QImage tintImage(const QImage &image, const Skin &skin);
    // A picture of the image folder, tinted; null when the file is missing.
    QImage loadTinted(const QString &fileName) const;
    // A module button icon: the picture tinted, framed by a 1-pixel line in the
    // skin's colour for "#5c524c" around (0, 0, 59, 59). Null when missing.
    QPixmap modulePicture(const QString &fileName) const;

    // Pictures of the chart designer's handles, loaded at construction.
    QImage editorImage(const QString &fileName) const;

    // --- style sheets ---
    // Sheet number of a style kind; -1 when the widget keeps its own sheet.
    static int sheetForKind(int kind);
    // A sheet of the current skin; empty for a number outside 0..13.
    QString styleSheet(int sheet) const;
    // The base skin's sheet as written (image folder filled in).
    QString baseStyleSheet(int sheet) const;
    QString styleSheetForKind(int kind) const;
    // Sets the widget's style sheet for its kind (kind 3 leaves it alone).
    void applyStyle(QWidget *widget, int kind) const;

    // File names in the image folder.
    static const char *const MATRIX_PICTURE;
    static const char *const HANDLE_PICTURE;

private:
    QString withImageFolder(const QString &sheet) const;
    QImage loadImage(const QString &fileName) const;

    QString m_imageFolder;
    QVector<Skin> m_skins;
    QStringList m_sheets; // the current skin's sheets, image folder filled in
    QMap<QString, QImage> m_editorImages;
    // Every picture is read from disk once and tinted once per skin: the
    // window restyles itself several times while it starts.
    mutable QHash<QString, QImage> m_loaded;
    mutable QHash<QString, QImage> m_tinted; // for the current skin
};
