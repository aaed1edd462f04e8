#pragma once

// The text style dialog: font family, size in pixels, bold, italic,
// underline, alignment and colour of an element's text, with a preview of
// the element's own text.

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class CTextDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CTextDlg(QWidget *parent = nullptr);

    // The style shown; alignment is one of the designer's alignment values.
    void setStyle(const QFont &font, int alignment, const QColor &colour);
    // The text the preview shows (the element's); an empty one shows a sample.
    void setSampleText(const QString &text);
    QString sampleText() const;
    QFont textFont() const { return m_font; }
    int textAlignment() const { return m_alignment; }
    QColor textColour() const { return m_colour; }

    QFontComboBox *familyCombo() const { return m_family; }
    QSpinBox *sizeSpin() const { return m_size; }
    QCheckBox *boldCheck() const { return m_bold; }
    QCheckBox *italicCheck() const { return m_italic; }
    QCheckBox *underlineCheck() const { return m_underline; }
    QComboBox *alignCombo() const { return m_align; }
    QLabel *preview() const { return m_sample; }

public slots:
    void OnTextFamily(const QFont &family);
    void OnTextSize(int pixels);
    void OnTextBold(bool on);
    void OnTextItalic(bool on);
    void OnTextUnderline(bool on);
    void OnTextAlign(int index);
    void OnTextColor();
    void OnOk();
    void OnCancel();

private:
    void showSample();

    QFont m_font;
    int m_alignment;
    QColor m_colour{Qt::black};
    QFontComboBox *m_family;
    QSpinBox *m_size;
    QCheckBox *m_bold;
    QCheckBox *m_italic;
    QCheckBox *m_underline;
    QComboBox *m_align;
    QPushButton *m_colourButton;
    QLabel *m_sample;
};
