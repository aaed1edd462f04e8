#include "cpropertieswidget.h"

#include "ctextdlg.h"

#include "charts/chartdocument.h"

#include <QColorDialog>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

CPWItem::CPWItem(const PropertyRow &row, QObject *parent)
    : QObject(parent)
    , m_row(row)
{
}

QWidget *CPWItem::createEditor()
{
    switch (m_row.kind) {
    case PropertyRow::Line: {
        auto *line = new QLineEdit(m_row.value.toString());
        m_line = line;
        connect(line, &QLineEdit::editingFinished, this, [this, line] {
            if (line->text() == m_row.value.toString())
                return;
            m_row.value = line->text();
            emit valueChanged();
        });
        return line;
    }
    case PropertyRow::Choice: {
        auto *combo = new QComboBox;
        m_combo = combo;
        combo->addItems(m_row.choices);
        combo->setCurrentIndex(m_row.value.toInt());
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
            m_row.value = index;
            emit valueChanged();
        });
        return combo;
    }
    case PropertyRow::Colour:
    case PropertyRow::Font:
        m_button = new QPushButton;
        m_button->setFlat(true);
        showValueOnButton();
        connect(m_button, &QPushButton::clicked, this, [this] { emit itemButtonClicked(this); });
        return m_button;
    }
    return nullptr;
}

void CPWItem::setValue(const QVariant &value)
{
    m_row.value = value;
    if (m_line)
        m_line->setText(value.toString());
    if (m_combo) {
        const QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(value.toInt());
    }
    showValueOnButton();
    emit valueChanged();
}

void CPWItem::showValueOnButton()
{
    if (!m_button)
        return;
    if (m_row.kind == PropertyRow::Colour) {
        const QColor colour = m_row.value.value<QColor>();
        QPixmap swatch(14, 14);
        swatch.fill(colour);
        QPainter frame(&swatch);
        frame.setPen(QColor(0x80, 0x78, 0x70));
        frame.drawRect(0, 0, 13, 13);
        frame.end();
        m_button->setIcon(QIcon(swatch));
        m_button->setText(colour.name());
        m_button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 4px;"));
    } else {
        const QFont font = m_row.value.value<QFont>();
        const int size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSize();
        m_button->setText(QStringLiteral("%1, %2").arg(font.family()).arg(size));
        m_button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 4px;"));
    }
}

CPropertiesWidget::CPropertiesWidget(QWidget *parent)
    : QTableWidget(0, 2, parent)
{
    setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void CPropertiesWidget::setRows(const PropertyRows &rows)
{
    // Editors and items of the previous element go with their rows.
    clearContents();
    setRowCount(0);
    for (CPWItem *item : m_items)
        item->deleteLater(); // one of them may be sending the signal that got us here
    m_items.clear();
    setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        auto *item = new CPWItem(rows.at(i), this);
        m_items.append(item);
        auto *name = new QTableWidgetItem(rows.at(i).name);
        name->setFlags(Qt::ItemIsEnabled);
        setItem(i, 0, name);
        setCellWidget(i, 1, item->createEditor());
        connect(item, &CPWItem::valueChanged, this, &CPropertiesWidget::dataChanged);
        connect(item, &CPWItem::itemButtonClicked, this, &CPropertiesWidget::chooseValue);
    }
}

PropertyRows CPropertiesWidget::rows() const
{
    PropertyRows rows;
    for (const CPWItem *item : m_items)
        rows.append(item->row());
    return rows;
}

CPWItem *CPropertiesWidget::rowItem(const QString &name) const
{
    for (CPWItem *item : m_items) {
        if (item->row().name == name)
            return item;
    }
    return nullptr;
}

QWidget *CPropertiesWidget::editor(const QString &name) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i)->row().name == name)
            return cellWidget(i, 1);
    }
    return nullptr;
}

void CPropertiesWidget::chooseValue(CPWItem *item)
{
    const PropertyRow &row = item->row();
    if (row.kind == PropertyRow::Colour) {
        const QColor colour = QColorDialog::getColor(row.value.value<QColor>(), this, row.name);
        if (colour.isValid())
            item->setValue(colour);
    } else if (row.kind == PropertyRow::Font) {
        CPWItem *colour = rowItem(QStringLiteral("Color"));
        CPWItem *alignment = rowItem(QStringLiteral("Alignement"));
        CTextDlg dialog(this);
        const CPWItem *text = rowItem(QStringLiteral("Text"));
        dialog.setSampleText(text ? text->row().value.toString() : m_sampleText);
        dialog.setStyle(row.value.value<QFont>(),
                        alignment ? alignmentFromChoice(alignment->row().value.toInt()) : ALIGN_LEFT_VALUE,
                        colour ? colour->row().value.value<QColor>() : QColor(Qt::black));
        if (dialog.exec() != QDialog::Accepted)
            return;
        item->setValue(dialog.textFont());
        if (colour)
            colour->setValue(dialog.textColour());
        if (alignment)
            alignment->setValue(alignmentChoiceIndex(dialog.textAlignment()));
    }
}
