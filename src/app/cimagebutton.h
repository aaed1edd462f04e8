#pragma once

// A small picture button (save, print, reset, menu, about; the overlay's
// person file buttons): the picture and its lit variant under the pointer,
// both tinted for the current skin.

#include <QPixmap>
#include <QPushButton>

class CSkinManager;

class CImageButton : public QPushButton
{
    Q_OBJECT
public:
    // picture: the file name in the image folder without ".png"; the lit
    // variant carries an "h" after it.
    CImageButton(const QString &picture, QWidget *parent);

    // Takes the pictures tinted for the skin in force.
    void applySkin(const CSkinManager *skin);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString m_picture;
    QPixmap m_normal;
    QPixmap m_lit;
};
