#include "support/stubview.h"

#include "store/ccatalog.h"

QString DescribeHint(int lHint, const HintArg &hint)
{
    QString what = QString::number(lHint);
    if (const Token *token = hint.token())
        what += u':' + QString::fromLatin1(token->text());
    else if (const QString *text = hint.text())
        what += u':' + *text;
    else if (const QStringList *list = hint.list())
        what += u':' + list->join(u'|');
    else if (const CDisc *disc = hint.disc())
        what += QStringLiteral(":disc ") + disc->m_strNumber;
    else if (hint.catalog())
        what += QStringLiteral(":catalog");
    return what;
}

void StubView::OnUpdate(CView *, int lHint, const HintArg &hint)
{
    const QString what = DescribeHint(lHint, hint);
    log.append(what);
    if (m_shared)
        m_shared->append(m_name + u'<' + what);
    if (react)
        react(lHint, hint);
}
