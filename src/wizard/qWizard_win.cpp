#include <map>
#include <stdexcept>

#include "host/OwnerAlignment.h"
#include "wizard/qWizard.h"
#include "wizard/qWizardRes.h"

namespace formfit {

namespace {

std::map<const std::string*, qWizard::PageFactory>& PageClasses() {
  static std::map<const std::string*, qWizard::PageFactory> classes;
  return classes;
}

// Symbols are interned, so the name's address identifies the class.
const std::string* ClassKey(Symbol name) { return &name.Name(); }

}  // namespace

_qWizard& _qWizard::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qComponent::Init(owner, ResourceID("_QWIZARD"), true);

  cpoPageInfo = std::make_unique<qWizardPageInfo>();
  cpoPageInfo->Init(this, ResourceID(IDP_WIZARD_PAGEINFO));
  cpoPageInfo->SetLabel({Symbol("cpoPageInfo"), "cpoPageInfo", {}});
  cpoPageInfo->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  const auto makeButton = [this](int id, const char* name, const char* text) {
    auto button = std::make_unique<qPushButton>(*this, id);
    button->SetLabel({Symbol(name), text, {}});
    button->SetOwnerAlignment(OwnerAlignment::KeepCorner);
    return button;
  };
  pbPreviousPage = makeButton(IDB_WIZARD_PREVIOUS, "OnPreviousPage", "< &Zurück");
  pbNextPage = makeButton(IDB_WIZARD_NEXT, "OnNextPage", "&Weiter >");
  pbFinish = makeButton(IDB_WIZARD_FINISH, "OnFinish", "&Fertigstellen");
  pbAbort = makeButton(IDB_WIZARD_ABORT, "OnAbort", "&Abbrechen");

  ftSeparator = std::make_unique<FixedText>(*this, IDT_WIZARD_SEPARATOR);
  ftSeparator->SetLabel({Symbol("ftSeparator"), "", {}});
  ftSeparator->SetOwnerAlignment(OwnerAlignment::KeepBottomFollowWidth);

  SetCaption("qComponent");
  SetLabel({Symbol("_QWIZARD"), "qComponent", {}});
  PostInit();
  return *this;
}

void qWizard::RegisterPageClass(std::string_view name, PageFactory factory) {
  PageClasses()[ClassKey(Symbol(name))] = std::move(factory);
}

qWizard::qWizard() : pageList_(std::make_shared<qWizardPageList>()) {}

qWizard::~qWizard() {
  // The page windows go with the wizard's window, before the objects that
  // hold them are dropped.
  Destroy();
}

qWizard& qWizard::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  _qWizard::Init(owner, std::move(placeholderId));
  notifications_ = {};
  SetNotification({Symbol("OnWizardActivatePage"), Symbol("OnWizardDeactivatePage"),
                   Symbol("OnWizardGetFirstPageNo"), Symbol("OnWizardGetLastPageNo"),
                   Symbol("OnWizardGetNextPageNo"), Symbol("OnWizardGetPreviousPageNo"),
                   Symbol("OnWizardFinish"), Symbol("OnWizardAbort")});
  SetPageSpace(16, 10, 16, 10);
  pageList_ = std::make_shared<qWizardPageList>();
  ClearHeader();
  ManageNavigator();
  return *this;
}

int qWizard::Resolve(const Value& page) const {
  if (page.IsNumber()) return static_cast<int>(page.AsInteger());
  if (page.IsSymbol()) return GetPageNo(page.AsSymbol());
  return 0;
}

qWizardPageEntry* qWizard::Entry(const Value& page) const {
  const int pageNo = Resolve(page);
  return IsValid(pageNo) ? &(*pageList_)[static_cast<size_t>(pageNo - 1)] : nullptr;
}

bool qWizard::AddPage(Symbol name, Value page, Value caption, Value description, bool enabled,
                      int position) {
  const int count = PageCount();
  qWizardPageEntry entry{name,    std::move(page), std::move(caption), std::move(description),
                         enabled, false,           std::nullopt};
  if (position <= 0 || position > count) {
    pageList_->push_back(std::move(entry));
    position = count + 1;
  } else {
    pageList_->insert(pageList_->begin() + (position - 1), std::move(entry));
  }
  if (currentPageNo_ == 0) {
    SetCurrentPageNo(GetFirstPageNo(), true);
  } else if (currentPageNo_ >= position) {
    ++currentPageNo_;
    SetCurrentPageNo(position, true);
  }
  ManageNavigator();
  return true;
}

bool qWizard::SetPageList(qWizardPageListRef entries) {
  ClearPageList();
  pageList_ = entries ? std::move(entries) : std::make_shared<qWizardPageList>();
  for (qWizardPageEntry& entry : *pageList_) entry.Touched = false;
  if (PageCount() > 0) {
    SetFinishPageNo(PageCount());
    SetCurrentPageNo(GetFirstPageNo(), true);
  }
  return true;
}

bool qWizard::ClearPageList() {
  SetFinishPageNo(0);
  SetCurrentPageNo(0, true);
  for (qWizardPageEntry& entry : *pageList_) {
    if (const auto page = std::dynamic_pointer_cast<qWizardPage>(entry.Page.AsObject())) {
      page->Destroy();
    }
  }
  pageList_ = std::make_shared<qWizardPageList>();
  return true;
}

bool qWizard::DeletePage(const Value& page) {
  const int pageNo = Resolve(page);
  if (!IsValid(pageNo)) return false;
  if (pageNo == currentPageNo_) {
    int target = GetNextPageNo(pageNo);
    if (target == pageNo) target = GetPreviousPageNo(pageNo);
    if (target == pageNo) target = 0;
    SetCurrentPageNo(target, true);
  }
  // The entry is looked up again: the owner's handlers may have changed the
  // list while the wizard moved away.
  if (!IsValid(pageNo)) return false;
  const auto at = pageList_->begin() + (pageNo - 1);
  if (const auto object = std::dynamic_pointer_cast<qWizardPage>(at->Page.AsObject())) {
    object->Destroy();
  }
  pageList_->erase(at);
  if (currentPageNo_ > 0 && currentPageNo_ > pageNo) --currentPageNo_;
  ManageNavigator();
  return true;
}

int qWizard::PageCount() const { return static_cast<int>(pageList_->size()); }

qWizardPageListRef qWizard::PageList() const { return pageList_; }

qWizardPageInfo* qWizard::PageInfo() const { return cpoPageInfo.get(); }

std::shared_ptr<qWizardPage> qWizard::MakePage(const Value& page) {
  if (page.IsNone()) {
    auto plain = std::make_shared<qWizardPage>();
    plain->Init(this, std::nullopt, true, Point{0, 0});
    return plain;
  }
  if (page.IsString() || page.IsSymbol()) {
    const Symbol name = page.IsString() ? Symbol(page.AsString()) : page.AsSymbol();
    const auto found = PageClasses().find(ClassKey(name));
    if (found == PageClasses().end()) {
      throw std::invalid_argument("qWizard: no page class " + name.Name());
    }
    auto made = page.IsString() ? found->second(*this, Point{0, 0}) : found->second(*this, {});
    if (!made) throw std::invalid_argument("qWizard: page class " + name.Name() + " made nothing");
    return made;
  }
  if (auto object = std::dynamic_pointer_cast<qWizardPage>(page.AsObject())) return object;
  throw std::invalid_argument("qWizard: a page entry holds something that is not a qWizardPage");
}

std::shared_ptr<qWizardPage> qWizard::GetPage(const Value& page) {
  qWizardPageEntry* entry = Entry(page);
  if (!entry) return nullptr;
  const bool made = !entry->Page.IsObject();
  auto object = MakePage(entry->Page);
  // Making a page may run code of the page class; the list itself is
  // unchanged by that, but the entry is found again to stay safe.
  entry = Entry(page);
  RepositionPage(*object);
  if (made && entry) entry->Page = Value(ObjectRef(object));
  return object;
}

int qWizard::GetPageNo(Symbol name) const {
  for (size_t i = 0; i < pageList_->size(); ++i) {
    if ((*pageList_)[i].Name == name) return static_cast<int>(i + 1);
  }
  return 0;
}

Symbol qWizard::GetPageName(int pageNo) const {
  return IsValid(pageNo) ? (*pageList_)[static_cast<size_t>(pageNo - 1)].Name : Symbol();
}

std::string qWizard::GetPageCaption(const Value& page) const {
  const qWizardPageEntry* entry = Entry(page);
  return entry ? entry->Caption.AsString() : std::string();
}

std::string qWizard::GetPageDescription(const Value& page) const {
  const qWizardPageEntry* entry = Entry(page);
  return entry ? entry->Description.AsString() : std::string();
}

bool qWizard::SetPageCaption(const Value& page, const Value& text) {
  qWizardPageEntry* entry = Entry(page);
  if (!entry) return false;
  entry->Caption = text;
  if (Resolve(page) == currentPageNo_) cpoPageInfo->SetCaption(text.AsString());
  return true;
}

bool qWizard::SetPageDescription(const Value& page, const Value& text) {
  qWizardPageEntry* entry = Entry(page);
  if (!entry) return false;
  entry->Description = text;
  if (Resolve(page) == currentPageNo_) cpoPageInfo->SetDescription(text.AsString());
  return true;
}

bool qWizard::IsPageCreated(const Value& page) const {
  const qWizardPageEntry* entry = Entry(page);
  return entry && entry->Page.IsObject();
}

bool qWizard::IsPageEnabled(const Value& page) const {
  const qWizardPageEntry* entry = Entry(page);
  return entry && entry->Enabled;
}

bool qWizard::EnablePage(const Value& page) {
  qWizardPageEntry* entry = Entry(page);
  if (!entry) return false;
  entry->Enabled = true;
  return true;
}

bool qWizard::DisablePage(const Value& page) {
  const int pageNo = Resolve(page);
  if (!IsValid(pageNo)) return false;
  (*pageList_)[static_cast<size_t>(pageNo - 1)].Enabled = false;
  if (pageNo != currentPageNo_) return true;
  for (int n = pageNo; n <= PageCount(); ++n) {
    if (IsPageEnabled(n)) {
      SetCurrentPageNo(n, true);
      return true;
    }
  }
  DeactivatePage(pageNo, true);
  currentPageNo_ = 0;
  // Without this the buttons would still offer moving on from a page that is
  // no longer current.
  ManageNavigator();
  return true;
}

bool qWizard::IsPageTouched(const Value& page) const {
  const qWizardPageEntry* entry = Entry(page);
  return entry && entry->Touched;
}

std::shared_ptr<qWizardPage> qWizard::CurrentPage() {
  return IsValid(currentPageNo_) ? GetPage(currentPageNo_) : nullptr;
}

bool qWizard::SetProcessPage(Symbol name, Value page, Value caption, Value description) {
  processPage_ =
      qWizardProcessPageEntry{name, std::move(page), std::move(caption), std::move(description)};
  return true;
}

std::shared_ptr<qWizardPage> qWizard::GetProcessPage() {
  if (!processPage_) return nullptr;
  const bool made = !processPage_->Page.IsObject();
  auto object = MakePage(processPage_->Page);
  RepositionPage(*object);
  if (made && processPage_) {
    object->SetOwnerAlignment(OwnerAlignment::FollowSize);
    processPage_->Page = Value(ObjectRef(object));
  }
  return object;
}

void qWizard::ShowInHeader(const Value& caption, const Value& description) {
  if (caption.IsString()) cpoPageInfo->SetCaption(caption.AsString());
  if (description.IsString()) cpoPageInfo->SetDescription(description.AsString());
}

void qWizard::ClearHeader() {
  cpoPageInfo->SetCaption("");
  cpoPageInfo->SetDescription("");
}

Value qWizard::Self() {
  // The aliasing constructor with an empty owner: a reference to this object
  // that owns nothing, so no handler can extend or end the wizard's life.
  return Value(ObjectRef(ObjectRef(), this));
}

Value qWizard::SetCurrentPageNoValue(const Value& page) { return SetCurrentPageNo(page, true); }

Value qWizard::SetFinishPageNoValue(const Value& page) { return SetFinishPageNo(page); }

Value qWizard::SetPageSpaceLeftValue(const Value& pixels) {
  return SetPageSpaceLeft(static_cast<int>(pixels.AsInteger()));
}

Value qWizard::SetPageSpaceTopValue(const Value& pixels) {
  return SetPageSpaceTop(static_cast<int>(pixels.AsInteger()));
}

Value qWizard::SetPageSpaceRightValue(const Value& pixels) {
  return SetPageSpaceRight(static_cast<int>(pixels.AsInteger()));
}

Value qWizard::SetPageSpaceBottomValue(const Value& pixels) {
  return SetPageSpaceBottom(static_cast<int>(pixels.AsInteger()));
}

const MemberTable& qWizard::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<qWizard>(&Object::ClassMembers())
          .Property("CurrentPageNo", &qWizard::CurrentPageNoValue, &qWizard::SetCurrentPageNoValue)
          .Property("FinishPageNo", &qWizard::FinishPageNoValue, &qWizard::SetFinishPageNoValue)
          .Property("PageCount", &qWizard::PageCountValue)
          .Property("PageSpaceLeft", &qWizard::PageSpaceLeftValue, &qWizard::SetPageSpaceLeftValue)
          .Property("PageSpaceTop", &qWizard::PageSpaceTopValue, &qWizard::SetPageSpaceTopValue)
          .Property("PageSpaceRight", &qWizard::PageSpaceRightValue,
                    &qWizard::SetPageSpaceRightValue)
          .Property("PageSpaceBottom", &qWizard::PageSpaceBottomValue,
                    &qWizard::SetPageSpaceBottomValue)
          .Method("OnPreviousPage", &qWizard::CallOnPreviousPage)
          .Method("OnNextPage", &qWizard::CallOnNextPage)
          .Method("OnFinish", &qWizard::CallOnFinish)
          .Method("OnAbort", &qWizard::CallOnAbort);
  return table;
}

}  // namespace formfit
