#pragma once
// A single-selection list whose double-click counts anywhere in it, and whose selection
// survives a click on the empty area below the last entry.
#include <QListWidget>

#include <string>

namespace toolkit {

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget* parent = nullptr);

    // Appends an entry shown decoded from code page 932; the bytes stay with the entry,
    // because re-encoding the shown text is not lossless.
    void AddEntry(const std::string& bytes);
    // The selected entry's original bytes; false when nothing is selected.
    bool SelectedEntry(std::string& bytes) const;
    // The original bytes of the entry in `row` (0 to count() - 1).
    std::string EntryAt(int row) const;

    int ItemHeight = 12;

signals:
    void dblClick();
    // Return or Enter: the keyboard's way to do what a double-click does.
    void returnPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace toolkit
