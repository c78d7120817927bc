#pragma once

#include <QColor>
#include <QWidget>

namespace korvex {

// A round traffic-light lamp; its colour is set as a whole (lit or dimmed).
class LampWidget : public QWidget {
    Q_OBJECT
  public:
    explicit LampWidget(QWidget* parent = nullptr);

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    QSize sizeHint() const override { return {22, 22}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_{Qt::darkGray};
};

}  // namespace korvex
