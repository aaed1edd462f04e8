#pragma once

#include <QImage>
#include <QVector>
#include <QWidget>

#include "skins/cskintint.h"

class QLabel;

// CInfoCompMatrWidget: the psychomatrix of person and partner side by side
// in every cell, as the person's number, "/" and the partner's (3/-).
class CInfoCompMatrWidget : public QWidget
{
    Q_OBJECT
public:
    CInfoCompMatrWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const;
    QLabel *titleLabel() const { return m_titleLabel; }
    void setTitlePicture(const QImage &picture);

    // 17 panel numbers for each person.
    void setValues(const QVector<int> &person, const QVector<int> &partner);
    const QVector<int> &personValues() const { return m_person; }
    const QVector<int> &partnerValues() const { return m_partner; }
    // The 18 psychomatrix values of each person.
    void setMatrices(const QVector<int> &person, const QVector<int> &partner);

    QString cellText(int k) const;
    void paintPanel(QPainter &painter);
    QSize sizeHint() const override { return QSize(600, 291); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const CSkinTint *m_skin;
    CSkinPicture m_title;
    QLabel *m_titleLabel;
    QVector<int> m_person;
    QVector<int> m_partner;
};
