#pragma once

// The About dialog: the emblem, the product name and version, a link to the
// third-party notices beside the program, and a way to the product page.

#include <QDialog>
#include <QImage>

class CSkinManager;

class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    static const char *const VERSION_TEXT; // "Version 7.8.0"

    // The third-party notices shipped beside the executable.
    static QString noticesPath();

    CAboutDlg(const CSkinManager *skin, const QImage &logo, QWidget *parent = nullptr);

    // Paints the dialog's face into any painter of the dialog's size.
    void paintFace(QPainter &painter) const;

public slots:
    void OnVisit();
    void OnOk();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_logo;
};
