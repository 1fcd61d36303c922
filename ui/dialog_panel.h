#pragma once
// The three dialogs are data: a table of controls (id, kind, text, rectangle in dialog units)
// that one builder turns into a panel of Qt widgets. Controls are found by their ids.

#include <QFrame>
#include <QString>
#include <map>
#include <vector>

class QAbstractButton;
class QLabel;

namespace kov::ui {

enum class ControlKind { Button, Label };

struct ControlSpec {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height;  // dialog units
    bool hidden = false;
};

struct DialogSpec {
    int id;
    int width, height;  // dialog units
    std::vector<ControlSpec> controls;
};

// Dialog units of the 8-point dialog font: 1.5 px across, 1.625 px down.
QRect dialogUnitsToPixels(int x, int y, int width, int height);

class DialogPanel : public QFrame {
    Q_OBJECT
  public:
    DialogPanel(const DialogSpec& spec, QWidget* parent);

    int dialogId() const { return id_; }
    QWidget* control(int id) const;
    QAbstractButton* button(int id) const;
    QLabel* label(int id) const;
    void setControlText(int id, const QString& text);
    QString controlText(int id) const;

  signals:
    void command(int id);

  protected:
    // Enter presses the focused button, as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int id_;
    std::map<int, QWidget*> controls_;
};

const DialogSpec& settingsDialogSpec();
const DialogSpec& arrangementDialogSpec();
const DialogSpec& resultsDialogSpec();

}  // namespace kov::ui
