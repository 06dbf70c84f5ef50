// Moving between pages, the buttons' enabling rule, and the navigator bar.
#include "wizard/qTools.h"
#include "wizard/qWizard.h"

namespace formfit {

bool qWizard::SetCurrentPageNo(const Value& page, bool notify) {
  if (processPage_) {
    const auto object = std::dynamic_pointer_cast<qWizardPage>(processPage_->Page.AsObject());
    if (object && object->IsVisible()) {
      object->Hide();
      ClearHeader();
    }
  }
  int pageNo = Resolve(page);
  bool ok = false;
  if (IsValid(pageNo)) {
    ok = ActivatePage(pageNo, notify);
  } else if (currentPageNo_ > 0) {
    ok = DeactivatePage(currentPageNo_, notify);
    pageNo = 0;
  }
  if (ok) {
    currentPageNo_ = pageNo;
    if (pageNo == 0) ClearHeader();
  }
  ManageNavigator();
  // A wizard that is being built in a hidden window leaves the focus alone;
  // its owner asks for it once the window is shown.
  if (ok && pageNo > 0 && GetActiveWindow() == GetAncestor(Handle(), GA_ROOT)) {
    FocusCurrentPage();
  }
  return ok;
}

bool qWizard::SetFinishPageNo(const Value& page) {
  const int pageNo = Resolve(page);
  if (pageNo > PageCount()) return false;
  finishPageNo_ = pageNo;
  if (finishPageNo_ == 0 || finishPageNo_ > currentPageNo_) {
    pbFinish->Disable();
  } else {
    pbFinish->Enable();
  }
  return true;
}

bool qWizard::ActivatePage(const Value& page, bool notify) {
  const int pageNo = Resolve(page);
  if (!IsValid(pageNo)) return false;
  if (currentPageNo_ > 0 && !DeactivatePage(currentPageNo_, notify)) return false;
  if (notify) SendNotify(Symbol("ActivatePage"), GetPageName(pageNo));
  // The owner's handler may have changed the list.
  if (!IsValid(pageNo)) return false;
  qWizardPageEntry* entry = &(*pageList_)[static_cast<size_t>(pageNo - 1)];
  const bool first = !entry->Touched;
  entry->Touched = true;
  const auto object = GetPage(pageNo);
  if (object) {
    entry = &(*pageList_)[static_cast<size_t>(pageNo - 1)];
    if (first && entry->Defaults) {
      const qPropertyList& defaults = *entry->Defaults;
      for (int i = 1; i <= defaults.Count(); ++i) {
        const Symbol name = defaults.GetName(i);
        if (object->HasSetter(name)) object->Set(name, defaults.Get(name));
      }
    }
    object->Show();
    ShowInHeader(entry->Caption, entry->Description);
  }
  return true;
}

bool qWizard::DeactivatePage(const Value& page, bool notify) {
  const int pageNo = Resolve(page);
  if (!IsValid(pageNo)) return false;
  if (notify) SendNotify(Symbol("DeactivatePage"), GetPageName(pageNo));
  if (const qWizardPageEntry* entry = Entry(pageNo)) {
    if (const auto object = std::dynamic_pointer_cast<qWizardPage>(entry->Page.AsObject())) {
      object->Hide();
    }
  }
  ClearHeader();
  return true;
}

int qWizard::GetFirstPageNo() {
  const int count = PageCount();
  auto n = static_cast<int>(SendNotify(Symbol("GetFirstPage")).AsInteger());
  if (n == 0) {
    n = 1;
    while (n <= count && !IsPageEnabled(n)) ++n;
  }
  return n > count ? 0 : n;
}

int qWizard::GetLastPageNo() {
  const int count = PageCount();
  auto n = static_cast<int>(SendNotify(Symbol("GetLastPage")).AsInteger());
  if (n == 0) {
    n = count;
    while (n > 0 && !IsPageEnabled(n)) --n;
  }
  return n > count ? 0 : n;
}

int qWizard::GetNextPageNo(int from) {
  const int count = PageCount();
  auto n = static_cast<int>(SendNotify(Symbol("GetNextPage"), from).AsInteger());
  if (n == 0) {
    n = from + 1;
    while (n <= count && !IsPageEnabled(n)) ++n;
  }
  return n > count ? from : n;
}

int qWizard::GetPreviousPageNo(int from) {
  const int first = GetFirstPageNo();
  auto n = static_cast<int>(SendNotify(Symbol("GetPreviousPage"), from).AsInteger());
  if (n == 0 && from > 0) {
    n = from - 1;
    while (n >= first && n >= 1 && !IsPageEnabled(n)) --n;
  }
  return n < first ? from : n;
}

bool qWizard::ValidatePage(const Value& page, Symbol action) {
  const bool empty = page.IsNone() || (page.IsNumber() && page.AsNumber() == 0) ||
                     (page.IsString() && page.AsString().empty()) ||
                     (page.IsSymbol() && page.AsSymbol() == Symbol());
  const int pageNo = empty ? currentPageNo_ : Resolve(page);
  if (!IsValid(pageNo)) return false;
  const auto object = GetPage(pageNo);
  return object && object->ValidateData(action);
}

bool qWizard::ManageNavigator() {
  if (currentPageNo_ == 0) {
    pbPreviousPage->Disable();
    pbNextPage->Disable();
    pbFinish->Disable();
    pbAbort->Enable();
    return true;
  }
  const bool finish =
      finishPageNo_ == 0 ? currentPageNo_ >= GetLastPageNo() : currentPageNo_ >= finishPageNo_;
  finish ? pbFinish->Enable() : pbFinish->Disable();
  currentPageNo_ == GetFirstPageNo() ? pbPreviousPage->Disable() : pbPreviousPage->Enable();
  currentPageNo_ < GetLastPageNo() ? pbNextPage->Enable() : pbNextPage->Disable();
  pbAbort->Enable();
  UpdateDefaultButton();
  return true;
}

qPushButton* qWizard::DefaultButton() const {
  if (pbNextPage->IsEnabled()) return pbNextPage.get();
  if (pbFinish->IsEnabled()) return pbFinish.get();
  return nullptr;
}

void qWizard::UpdateDefaultButton() {
  qPushButton* chosen = DefaultButton();
  Send(DM_SETDEFID, chosen ? static_cast<WPARAM>(chosen->Id()) : 0);
  // The dialog manager's own change of the look drops it when the id stays
  // the same, so the looks are set here.
  const HWND focus = GetFocus();
  const bool onOtherButton =
      focus && focus != (chosen ? chosen->Handle() : nullptr) &&
      (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
  for (qPushButton* button :
       {pbPreviousPage.get(), pbNextPage.get(), pbFinish.get(), pbAbort.get()}) {
    if (button->Handle() == focus && onOtherButton) continue;
    const bool look = button == chosen && !onOtherButton;
    if (button->IsDefault() != look) {
      button->Send(BM_SETSTYLE, look ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
  }
}

void qWizard::FocusCurrentPage() {
  HWND target = nullptr;
  if (const auto page = IsValid(currentPageNo_) ? GetPage(currentPageNo_) : nullptr) {
    target = page->FocusControl();
  }
  if (!target) {
    if (const qPushButton* button = DefaultButton()) target = button->Handle();
  }
  if (!target) return;
  MoveFocus(target);
  UpdateDefaultButton();
}

void qWizard::MoveFocus(HWND target) {
  const HWND top = GetAncestor(Handle(), GA_ROOT);
  if (DialogWindow::FromHandle(top)) {
    SendMessageA(top, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  } else {
    ::SetFocus(target);
  }
}

bool qWizard::OnNextPage() {
  if (currentPageNo_ == PageCount()) return OnFinish();
  if (!ValidatePage(currentPageNo_, Symbol("NextPage"))) return false;
  return SetCurrentPageNo(GetNextPageNo(currentPageNo_), true);
}

bool qWizard::OnPreviousPage() {
  if (!ValidatePage(currentPageNo_, Symbol("PreviousPage")) || currentPageNo_ <= 1) return false;
  return SetCurrentPageNo(GetPreviousPageNo(currentPageNo_), true);
}

bool qWizard::OnFinish() {
  if (!ValidatePage(currentPageNo_, Symbol("Finish"))) return false;
  if (!DeactivatePage(currentPageNo_, true)) return false;
  currentPageNo_ = 0;
  EnableNavigator(false);
  if (processPage_) {
    processPage_->Touched = true;
    if (const auto page = GetProcessPage()) {
      page->Show();
      ShowInHeader(processPage_->Caption, processPage_->Description);
    }
  }
  const bool finished = SendNotify(Symbol("Finish")).AsLogic();
  if (!finished) ManageNavigator();
  return finished;
}

bool qWizard::OnAbort() {
  EnableNavigator(false);
  if (SendNotify(Symbol("Abort")).AsLogic()) return true;
  ManageNavigator();
  return false;
}

Window* qWizard::GetChild(Symbol name) const {
  if (name == Symbol("PreviousPage")) return pbPreviousPage.get();
  if (name == Symbol("NextPage")) return pbNextPage.get();
  if (name == Symbol("Finish")) return pbFinish.get();
  if (name == Symbol("Abort")) return pbAbort.get();
  if (name == Symbol("PageInfo")) return cpoPageInfo.get();
  return nullptr;
}

bool qWizard::EnableNavigator(bool enable) {
  for (qPushButton* button :
       {pbPreviousPage.get(), pbNextPage.get(), pbFinish.get(), pbAbort.get()}) {
    enable ? button->Enable() : button->Disable();
  }
  UpdateDefaultButton();
  return true;
}

bool qWizard::EnableNavigatorItem(Symbol name, bool enable) {
  Window* child = GetChild(name);
  if (!child) return false;
  enable ? child->Enable() : child->Disable();
  return true;
}

bool qWizard::SetNavigatorItemCaption(Symbol name, const std::string& text) {
  Window* child = GetChild(name);
  if (!child) return false;
  // The header's text is the caption it shows, not its window title.
  if (child == cpoPageInfo.get()) {
    cpoPageInfo->SetCaption(text);
  } else {
    child->SetCaption(text);
  }
  return true;
}

bool qWizard::SetNavigatorButtonWidth(int width) {
  const qPushButton* buttons[] = {pbPreviousPage.get(), pbNextPage.get(), pbFinish.get(),
                                  pbAbort.get()};
  const int n = 4;
  for (int i = 1; i <= n; ++i) {
    const qPushButton& button = *buttons[i - 1];
    const Point origin = qGetWindowOrigin(button.Handle());
    const Dimension size = button.Size();
    const int shift = (size.width - width) * (n - i + 1);
    SetWindowPos(button.Handle(), nullptr, origin.x + shift, origin.y, width, size.height,
                 SWP_NOZORDER);
  }
  return true;
}

bool qWizard::SetPageSpace(const Value& left, const Value& top, const Value& right,
                           const Value& bottom) {
  if (left.IsNumber()) pageSpaceLeft_ = static_cast<int>(left.AsInteger());
  if (top.IsNumber()) pageSpaceTop_ = static_cast<int>(top.AsInteger());
  if (right.IsNumber()) pageSpaceRight_ = static_cast<int>(right.AsInteger());
  if (bottom.IsNumber()) pageSpaceBottom_ = static_cast<int>(bottom.AsInteger());
  if (const qWizardPageEntry* entry = currentPageNo_ > 0 ? Entry(currentPageNo_) : nullptr) {
    if (const auto page = std::dynamic_pointer_cast<qWizardPage>(entry->Page.AsObject())) {
      RepositionPage(*page);
    }
  }
  return true;
}

bool qWizard::RepositionPage(Window& page) {
  const Point headerOrigin = qGetWindowOrigin(cpoPageInfo->Handle());
  const int headerHeight = cpoPageInfo->Size().height;
  const int x = pageSpaceLeft_;
  const int y = headerOrigin.y + headerHeight - 1 + pageSpaceTop_;
  const int separatorY = qGetWindowOrigin(ftSeparator->Handle()).y;
  const int width = Size().width - x - pageSpaceRight_;
  const int height = separatorY - y - pageSpaceBottom_;
  SetWindowPos(page.Handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool qWizard::OnButtonClicked(Control& button) {
  if (!button.IsEnabled()) return true;
  return _qWizard::OnButtonClicked(button);
}

void qWizard::OnSize(Dimension client) {
  _qWizard::OnSize(client);
  if (!IsValid(currentPageNo_)) return;
  const qWizardPageEntry* entry = Entry(currentPageNo_);
  if (const auto page = std::dynamic_pointer_cast<qWizardPage>(entry->Page.AsObject())) {
    RepositionPage(*page);
  }
}

}  // namespace formfit
