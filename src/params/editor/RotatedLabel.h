#pragma once

#include <QLabel>

// A column title written from bottom to top. It stays a label with its text,
// so screen readers and tests find it by that text.
class RotatedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit RotatedLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
