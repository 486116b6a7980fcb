#pragma once
// The keyboard on the source strip: Tab walks through the sources from left
// to right, the arrows move the selected one (Shift: ten places), Insert puts
// a source at the centre and Delete takes the selected one away. Each is done
// with the clicks the mouse would make: a right click where the source is, a
// left click with its brightness where it goes.
#include <QObject>
#include <optional>

class TKeyboardDrag;
class TSourcePanel;

class TSourceKeys : public QObject {
    Q_OBJECT
  public:
    explicit TSourceKeys(TSourcePanel *strip);
    TKeyboardDrag *drag() const { return keys; }
    // The position of the selected source; none on an empty strip.
    std::optional<int> selectedPosition() const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void rebuild();
    void moveSource(int position, int step);
    TSourcePanel *strip;
    TKeyboardDrag *keys;
    std::optional<int> follow; // the source to select once the strip changes
};
