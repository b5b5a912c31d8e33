#pragma once
// Tab removal in the order the planner's users know: the next page, not the previous one.
class QTabWidget;
class QWidget;

namespace toolkit {

// Takes `page` out of `tabs` without destroying it. When it was the current page, the page
// that followed it becomes current, or the first page when it was the last; when it was the
// only page, `tabs` is left empty. A page that is not in `tabs` is left alone.
void RemovePage(QTabWidget* tabs, QWidget* page);

} // namespace toolkit
