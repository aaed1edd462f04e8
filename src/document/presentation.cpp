#include "presentation.h"

#include "document/presentationcss.h" // generated from data/styles/report-presentation.css

QString presentationStyleElement()
{
    static const QString element = QStringLiteral("<style type=\"text/css\" title=\"presentation\">\n")
        + QString::fromUtf8(PRESENTATION_CSS) + QStringLiteral("</style>\n");
    return element;
}

QString withPresentationStyle(const QString &document)
{
    static const QString HEAD_END = QStringLiteral("</head>");
    static const QString MARK = QStringLiteral("title=\"presentation\"");
    const int head = document.indexOf(HEAD_END);
    if (head < 0 || document.leftRef(head).contains(MARK))
        return document;
    QString styled = document;
    styled.insert(head, presentationStyleElement());
    return styled;
}
