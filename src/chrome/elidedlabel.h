#pragma once

#include <QLabel>

// A one-line read-out that never grows past its place: a text too long for it loses its
// middle ("/media/disc/Mus…/Track 12.flac"), so both the start and the name at the end stay
// readable, and the whole text is in the tool tip.
class ElidedLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ElidedLabel)

public:
    explicit ElidedLabel(QWidget *parent = nullptr);
    ~ElidedLabel() override;

    void SetFullText(const QString &text);
    const QString &FullText() const { return m_strFull; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    QString m_strFull;
};
