#include "cinfocompmatrwidget.h"

#include "panelparts.h"

#include <QLabel>
#include <QPainter>

using namespace panelparts;

CInfoCompMatrWidget::CInfoCompMatrWidget(const CSkinTint *skin, const QImage &titlePicture,
                                         QWidget *parent)
    : QWidget(parent)
    , m_skin(skin)
    , m_title(titlePicture)
    , m_titleLabel(makeTitleLabel(this))
    , m_person(MATRIX_CELLS, 0)
    , m_partner(MATRIX_CELLS, 0)
{
    placeTitleLabel(m_titleLabel, titlePicture);
    resize(600, 291);
}

void CInfoCompMatrWidget::setTitle(const QString &title)
{
    m_titleLabel->setText(title);
}

QString CInfoCompMatrWidget::title() const
{
    return m_titleLabel->text();
}

void CInfoCompMatrWidget::setTitlePicture(const QImage &picture)
{
    m_title.setSource(picture);
    placeTitleLabel(m_titleLabel, picture);
    update();
}

void CInfoCompMatrWidget::setValues(const QVector<int> &person, const QVector<int> &partner)
{
    m_person = matrixNumbers(person);
    m_partner = matrixNumbers(partner);
    update();
}

void CInfoCompMatrWidget::setMatrices(const QVector<int> &person, const QVector<int> &partner)
{
    setValues(matrixPanelValues(person), matrixPanelValues(partner));
}

QString CInfoCompMatrWidget::cellText(int k) const
{
    if (k < 0 || k >= MATRIX_CELLS)
        return QString();
    const auto number = [](int n) { return n > 0 ? QString::number(n) : QStringLiteral("-"); };
    return number(m_person.at(k)) + QLatin1Char('/') + number(m_partner.at(k));
}

void CInfoCompMatrWidget::paintPanel(QPainter &painter)
{
    paintMatrixBackground(painter, m_skin, m_title);
    for (int k = 0; k < MATRIX_CELLS; ++k) {
        const QString name = k == 13 ? QStringLiteral("Money") : QLatin1String(matrixCell(k).caption);
        drawMatrixCell(painter, m_skin, matrixCellOrigin(k, true), name, cellText(k));
    }
}

void CInfoCompMatrWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPanel(painter);
}
