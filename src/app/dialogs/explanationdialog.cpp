#include "explanationdialog.h"

#include "app/dialogs/escapeshortcut.h"
#include "app/myqwebengineview.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineSettings>

ExplanationDialog::ExplanationDialog(const QString &page, const QString &title, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title.isEmpty() ? QStringLiteral("Sorvel Numerology")
                                   : title + QStringLiteral(" - Sorvel Numerology"));
    closeOnEscape(this);
    setMinimumSize(600, 300);
    setMaximumSize(1280, 800);
    resize(600, 500);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new MyQWebEngineView(this); // no page source in its menu
    view->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    view->setHtml(page, QUrl(QStringLiteral("file://localhost/")));
    layout->addWidget(view);
}

namespace {

// Explanation pages of the panel rows: row -> guide page and picture.
struct Explanation
{
    int row;
    int page;
    const char *picture;
};
const Explanation MAIN_FEATURES_PAGES[] = {
    {0, 0, "res01.jpg"}, {1, 1, "res02.jpg"}, {2, 2, "res03.jpg"},
    {3, 4, "res04.jpg"}, {4, 6, "res05.jpg"}, {5, 10, "res06.jpg"},
};
const Explanation ADDITIONAL_FEATURES_PAGES[] = {
    {0, 11, "res07.jpg"}, {1, 35, "res08.jpg"}, {2, 7, "res09.jpg"},
    {3, 5, "res10.jpg"},  {4, 12, "res11.jpg"}, {5, 13, "res12.jpg"},
};
const Explanation LIFE_CYCLES_PAGES[] = {
    {0, 15, "res14.jpg"}, {1, 15, "res14.jpg"}, {2, 14, "res13.jpg"}, {3, 8, "res15.jpg"},
};
const Explanation MATRIX_PAGES[] = {
    {1, 18, "res16.jpg"},  {2, 21, "res19.jpg"},  {3, 24, "res22.jpg"},  {4, 27, "res25.jpg"},
    {6, 19, "res17.jpg"},  {7, 22, "res20.jpg"},  {8, 25, "res23.jpg"},  {9, 28, "res26.jpg"},
    {11, 20, "res18.jpg"}, {12, 23, "res21.jpg"}, {13, 26, "res24.jpg"}, {14, 29, "res27.jpg"},
    {15, 34, "res32.jpg"}, {16, 30, "res28.jpg"}, {17, 31, "res29.jpg"}, {18, 32, "res30.jpg"},
    {19, 33, "res31.jpg"},
};

template <size_t N>
bool find(const Explanation (&table)[N], int row, int &guidePage, QString &picture)
{
    for (const Explanation &entry : table) {
        if (entry.row == row) {
            guidePage = entry.page;
            picture = QString::fromLatin1(entry.picture);
            return true;
        }
    }
    return false;
}

} // namespace

bool explanationOf(ExplainedPanel panel, int row, int &guidePage, QString &picture)
{
    switch (panel) {
    case ExplainedPanel::MainFeatures:
        return find(MAIN_FEATURES_PAGES, row, guidePage, picture);
    case ExplainedPanel::AdditionalFeatures:
        return find(ADDITIONAL_FEATURES_PAGES, row, guidePage, picture);
    case ExplainedPanel::LifeCycles:
        return find(LIFE_CYCLES_PAGES, row, guidePage, picture);
    case ExplainedPanel::Psychomatrix:
        return find(MATRIX_PAGES, row, guidePage, picture);
    }
    return false;
}
