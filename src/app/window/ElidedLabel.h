#pragma once

#include <QLabel>

namespace korvex {

// A one-line label that never widens its window: a text longer than the room it has is shortened
// in the middle with "…", and the whole text is its tool tip.
class ElidedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

    // As wide as the whole text up to a limit, and narrow when room is short.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void elide();

    QString fullText_;
};

}  // namespace korvex
