// The wizard control: a composite control that fills its owner with a page
// header, a page area in which one page is visible at a time, and a navigator
// bar of four push buttons (Back, Next, Finish, Cancel) under a separator.
//
// The wizard keeps an ordered list of pages, numbered from 1, and creates a
// page object only when it first needs it. It moves between the pages,
// validates a page when the user leaves it, keeps default values per page
// (copied into the page at its first activation) and tells its owner window
// about activations, page changes, finish and abort.
//
// Page references: every operation that takes a page accepts a page number
// (a number) or a page name (a symbol, resolved by GetPageNo); any other
// value stands for 0. A number n is valid when 1 <= n <= PageCount(). Given
// an invalid reference an operation changes nothing and answers its empty
// result (false, 0, the empty string or symbol, null, no value).
//
// Every operation is virtual, and the wizard's own calls between its
// operations go through the virtual operation, so a subclass that overrides
// one (the setup wizard prepares its pages in ActivatePage) is seen by all.
//
// Owner notifications: the wizard calls the owner's methods by name (the
// owner's member table, see base/Object.h). A handler receives as its first
// argument the wizard, as a non-owning object reference that is valid for
// the call only; events that carry an argument pass it second. Which names
// are called is the notification table, filled by SetNotification; Init
// registers the default names that the owner implements:
//
//   event            default handler name          argument       answer
//   ActivatePage     OnWizardActivatePage          page name      logic
//   DeactivatePage   OnWizardDeactivatePage        page name      logic
//   GetFirstPage     OnWizardGetFirstPageNo        -              number
//   GetLastPage      OnWizardGetLastPageNo         -              number
//   GetNextPage      OnWizardGetNextPageNo         page number    number
//   GetPreviousPage  OnWizardGetPreviousPageNo     page number    number
//   Finish           OnWizardFinish                -              logic
//   Abort            OnWizardAbort                 -              logic
//
// Ownership: the wizard owns its page list, every page object it made or was
// handed in an entry, the process page entry and its object, and the default
// value lists. Page objects are shared references (a caller may keep one); the
// wizard destroys a page's window when it deletes the page. Destroying the
// wizard destroys its window with every page window in it.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Symbol.h"
#include "base/Value.h"
#include "host/TextControls.h"
#include "wizard/qComponent.h"
#include "wizard/qPropertyList.h"
#include "wizard/qPushButton.h"
#include "wizard/qWizardPage.h"
#include "wizard/qWizardPageInfo.h"

namespace formfit {

class qWizard;

// One page of the list. Callers that build a list for SetPageList fill the
// fields in this order.
struct qWizardPageEntry {
  // Look-ups by name find the first entry of that name.
  Symbol Name;
  // What the page is made from: no value = a plain qWizardPage; a string =
  // the page class of that name, made at the point (0, 0); a symbol = that
  // page class, made with the wizard only; an object = the page itself (it
  // must be a qWizardPage). Holds the page object once the page is made.
  Value Page;
  // Shown in the header while the page is current, when they are strings.
  Value Caption;
  Value Description;
  // Only enabled pages are found by the first/last/next/previous searches.
  bool Enabled = true;
  // False until the page's first activation.
  bool Touched = false;
  // Default values by name; none until the first SetPageDefaultValue.
  std::optional<qPropertyList> Defaults;
};

using qWizardPageList = std::vector<qWizardPageEntry>;
using qWizardPageListRef = std::shared_ptr<qWizardPageList>;

// The page shown after Finish while the owner does the work. It is not part
// of the page list and navigation never reaches it.
struct qWizardProcessPageEntry {
  Symbol Name;
  Value Page;
  Value Caption;
  Value Description;
  // False until the page is first shown.
  bool Touched = false;
};

// The layout class of the template "_QWIZARD": the header over placeholder
// 100 (following the width), the buttons 101 to 104 (keeping their distance
// to the bottom-right corner) and the separator 105 (keeping its distance to
// the bottom, following the width).
class _qWizard : public qComponent {
 public:
  // Makes the wizard over the owner's placeholder control `placeholderId`.
  _qWizard& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId);

 protected:
  // All exist from Init on. A button's label name is the wizard method that
  // a click on it calls.
  std::unique_ptr<qWizardPageInfo> cpoPageInfo;
  std::unique_ptr<qPushButton> pbPreviousPage;
  std::unique_ptr<qPushButton> pbNextPage;
  std::unique_ptr<qPushButton> pbFinish;
  std::unique_ptr<qPushButton> pbAbort;
  std::unique_ptr<FixedText> ftSeparator;
};

class qWizard : public _qWizard {
 public:
  // Makes a page of a registered class for `wizard`; `point` is Point{0, 0}
  // for a class given by name (a string) and none for a class given as a
  // symbol. The page must be made as a child of the wizard.
  using PageFactory = std::function<std::shared_ptr<qWizardPage>(qWizard& wizard, PointArg point)>;

  // Makes `name` a page class that page entries can name (as a string or a
  // symbol). Process-wide; a later registration of the same name replaces
  // the earlier one.
  static void RegisterPageClass(std::string_view name, PageFactory factory);

  qWizard();
  // Destroys the window with every page in it, then drops the page list, the
  // process page entry and the notification table.
  ~qWizard() override;

  // Makes the wizard over the owner's placeholder: the layout, then the
  // default handler names the owner implements, the page spaces 16, 10, 16,
  // 10, an empty page list, an empty header and only Cancel enabled.
  virtual qWizard& Init(DialogWindow* owner, std::optional<ResourceID> placeholderId);

  // ---- The page list ----

  // Appends an entry, or inserts it at `position` (1-based) when 1 <=
  // position <= PageCount(). No page object is made. With no current page,
  // the first enabled page becomes current; when the insertion lands at or
  // before the current page, the inserted page becomes current. Always true.
  virtual bool AddPage(Symbol name, Value page, Value caption = {}, Value description = {},
                       bool enabled = true, int position = 0);
  // Clears the list, then adopts `entries` itself (no copy) with Touched
  // reset; with entries, the last becomes the finish page and the first
  // enabled page current. Always true.
  virtual bool SetPageList(qWizardPageListRef entries);
  // No finish page, no current page (deactivated with notification), every
  // page object destroyed in list order, an empty list. The process page
  // entry stays. Always true.
  virtual bool ClearPageList();
  // Removes the page and destroys its object; a current page is left first
  // for the next enabled page, else the previous one, else none.
  virtual bool DeletePage(const Value& page);
  virtual int PageCount() const;
  // The live list: changes through the wizard show in it.
  virtual qWizardPageListRef PageList() const;
  virtual qWizardPageInfo* PageInfo() const;
  // The page object, made on first request; placed in the page area on every
  // call, not shown. Throws std::invalid_argument when the entry names an
  // unregistered class or holds an object that is not a qWizardPage.
  virtual std::shared_ptr<qWizardPage> GetPage(const Value& page);
  // The number of the first entry of that name; 0 when none.
  virtual int GetPageNo(Symbol name) const;
  // The entry's name; the empty symbol for an invalid number.
  virtual Symbol GetPageName(int pageNo) const;
  // The entry's caption / description when it is a string, else "".
  virtual std::string GetPageCaption(const Value& page) const;
  virtual std::string GetPageDescription(const Value& page) const;
  // Stores the text as given; the header shows it (or "" when it is not a
  // string) at once when the page is current.
  virtual bool SetPageCaption(const Value& page, const Value& text);
  virtual bool SetPageDescription(const Value& page, const Value& text);
  virtual bool IsPageCreated(const Value& page) const;
  virtual bool IsPageEnabled(const Value& page) const;
  virtual bool EnablePage(const Value& page);
  // A current page is left for the next enabled page after it; with none,
  // it is deactivated and no page is current. Never moves backwards.
  virtual bool DisablePage(const Value& page);
  virtual bool IsPageTouched(const Value& page) const;
  // GetPage(CurrentPageNo()); null when no page is current.
  virtual std::shared_ptr<qWizardPage> CurrentPage();
  // Replaces the process page entry; an object made for the earlier one is
  // released. Always true.
  virtual bool SetProcessPage(Symbol name, Value page, Value caption = {}, Value description = {});
  // The process page object, made on first request (it then follows the
  // wizard's width and height); null without an entry. Placed on every call.
  virtual std::shared_ptr<qWizardPage> GetProcessPage();

  // ---- Navigation ----

  int CurrentPageNo() const { return currentPageNo_; }
  int FinishPageNo() const { return finishPageNo_; }
  // Makes the page current: the current page is deactivated, this one
  // activated (the same page is deactivated and activated again). An invalid
  // reference deactivates the current page and leaves none current. A
  // visible process page is hidden first. Buttons follow ManageNavigator.
  // True when the change took place.
  virtual bool SetCurrentPageNo(const Value& page, bool notify = true);
  // 0 = no finish page. False (nothing changed) beyond PageCount(). Enables
  // Finish when 0 < finish page <= current page, else disables it.
  virtual bool SetFinishPageNo(const Value& page);
  // Deactivates the current page, notifies (the owner cannot veto), marks
  // the page touched, makes and places it, copies its stored defaults into
  // it on the first activation, shows it and puts its texts in the header.
  // Does not change CurrentPageNo().
  virtual bool ActivatePage(const Value& page, bool notify = true);
  // Notifies, hides the page and empties the header.
  virtual bool DeactivatePage(const Value& page, bool notify = true);
  // The owner's answer when it gives one (not 0), else the built-in search
  // over enabled pages; 0 when there is none.
  virtual int GetFirstPageNo();
  virtual int GetLastPageNo();
  // The next / previous page from `from`; `from` itself when there is none.
  virtual int GetNextPageNo(int from);
  virtual int GetPreviousPageNo(int from);
  // The page's ValidateData(action); an empty reference (no value, 0, "" or
  // the empty symbol) is the current page. False for an invalid page.
  virtual bool ValidatePage(const Value& page, Symbol action);
  // The enabling rule of the buttons. With no current page only Cancel is
  // enabled. Otherwise Finish is enabled from the finish page on (from the
  // last page when none is set), Back everywhere but on the first page, Next
  // before the last page, Cancel always. Asks the owner, in this order, for
  // the last page (only when no finish page is set), the first page and the
  // last page. Always true.
  virtual bool ManageNavigator();
  // The button that Enter runs when the focus is on no other push button:
  // Next while it is enabled, else Finish while it is enabled, else none.
  // ManageNavigator and EnableNavigator keep it as the wizard's default
  // button (what DM_GETDEFID of the wizard answers) with the default look.
  virtual qPushButton* DefaultButton() const;
  // Puts the keyboard focus on the current page's FocusControl, or on the
  // default button when the page names none (or no page is current). The
  // wizard does this whenever it shows a page while its window is active.
  virtual void FocusCurrentPage();
  // The four buttons. Next on the list's last entry finishes.
  virtual bool OnNextPage();
  virtual bool OnPreviousPage();
  // Validates (Finish) and deactivates the current page, disables all
  // buttons, shows the process page and asks the owner; when the owner
  // refuses, the buttons follow ManageNavigator. The owner's answer.
  virtual bool OnFinish();
  // Disables all buttons and asks the owner; when it refuses, the buttons
  // follow ManageNavigator again. The owner's answer.
  virtual bool OnAbort();

  // ---- Page values and notifications ----

  // The page's live value once it was touched and has a getter of that name;
  // otherwise `otherwise` when given, else the stored default.
  virtual Value GetPageValue(const Value& page, Symbol name,
                             const std::optional<Value>& otherwise = std::nullopt);
  // Sets the page's property (making the page object if needed, without
  // showing or touching it); the value, or no value when the page has no
  // setter of that name.
  virtual Value SetPageValue(const Value& page, Symbol name, const Value& value);
  // Stores a default (true); no value for an invalid page. Reaches the page
  // only at its first activation.
  virtual Value SetPageDefaultValue(const Value& page, Symbol name, const Value& value);
  virtual Value GetPageDefaultValue(const Value& page, Symbol name) const;
  // True when a stored default was removed.
  virtual bool DeletePageDefaultValue(const Value& page, Symbol name);
  // Registers handler names for the eight events in table order; a name is
  // taken only when the owner has a method of that name, so the empty symbol
  // (or a name the owner lacks) leaves the earlier registration. Always true.
  virtual bool SetNotification(const std::array<Symbol, 8>& handlers);
  // Calls the owner's handler of the event. Without a handler: true for the
  // logic events, 0 for the number events. A logic event answers false only
  // for the handler's answer false; a number event answers the handler's
  // number, or 0 for anything else. No value for an unknown event.
  virtual Value SendNotify(Symbol event, const Value& argument = {});

  // ---- Navigator bar and layout ----

  // PreviousPage, NextPage, Finish, Abort: the buttons; PageInfo: the
  // header; null for any other name.
  virtual Window* GetChild(Symbol name) const;
  // Enables (or disables) Back, Next, Finish and Cancel in this order. True.
  virtual bool EnableNavigator(bool enable = true);
  // False for a name GetChild does not know.
  virtual bool EnableNavigatorItem(Symbol name, bool enable = true);
  // The button's text (for PageInfo the header's caption); false for a name
  // GetChild does not know.
  virtual bool SetNavigatorItemCaption(Symbol name, const std::string& text);
  // Gives the four buttons this width in pixels, moving each so that the row
  // keeps its right edge and gaps. True.
  virtual bool SetNavigatorButtonWidth(int width);
  // The page spaces in pixels. Writing one takes effect at the next
  // RepositionPage; it answers the value written.
  int PageSpaceLeft() const { return pageSpaceLeft_; }
  int PageSpaceTop() const { return pageSpaceTop_; }
  int PageSpaceRight() const { return pageSpaceRight_; }
  int PageSpaceBottom() const { return pageSpaceBottom_; }
  int SetPageSpaceLeft(int pixels) { return pageSpaceLeft_ = pixels; }
  int SetPageSpaceTop(int pixels) { return pageSpaceTop_ = pixels; }
  int SetPageSpaceRight(int pixels) { return pageSpaceRight_ = pixels; }
  int SetPageSpaceBottom(int pixels) { return pageSpaceBottom_ = pixels; }
  // Each argument that is a number replaces its space; then the current
  // page, if it has an object, is placed anew. True.
  virtual bool SetPageSpace(const Value& left = {}, const Value& top = {}, const Value& right = {},
                            const Value& bottom = {});
  // Places `page` between header and separator: left at PageSpaceLeft, top
  // PageSpaceTop below the header's last pixel row, right edge PageSpaceRight
  // from the wizard's, bottom PageSpaceBottom above the separator. True.
  virtual bool RepositionPage(Window& page);

  // The named members: the properties CurrentPageNo, FinishPageNo,
  // PageCount and the four page spaces, and the methods OnPreviousPage,
  // OnNextPage, OnFinish and OnAbort that the buttons call.
  static const MemberTable& ClassMembers();

 protected:
  const MemberTable& Members() const override { return ClassMembers(); }
  // The wizard's resize: the header, buttons and separator follow by their
  // owner alignment, then the current page is placed anew.
  void OnSize(Dimension client) override;
  // A disabled button runs nothing, also when it is clicked by a message:
  // while Finish or Abort wait for the owner, no second click starts them.
  bool OnButtonClicked(Control& button) override;

 private:
  // The number a reference stands for; 0 when it is neither a number nor a
  // symbol.
  int Resolve(const Value& page) const;
  bool IsValid(int pageNo) const { return pageNo >= 1 && pageNo <= PageCount(); }
  qWizardPageEntry* Entry(const Value& page) const;
  // The page object an entry's or the process entry's Page field makes.
  std::shared_ptr<qWizardPage> MakePage(const Value& page);
  void ShowInHeader(const Value& caption, const Value& description);
  // Makes DefaultButton the wizard's default id and gives it the default
  // look, unless the focus is on another push button, which then keeps it.
  void UpdateDefaultButton();
  // Moves the focus as the dialog manager of the wizard's top window does,
  // so that a push button that gets it becomes the one Enter runs.
  void MoveFocus(HWND target);
  void ClearHeader();
  // A non-owning reference to this wizard for the owner's handlers.
  Value Self();

  Value CurrentPageNoValue() const { return currentPageNo_; }
  Value SetCurrentPageNoValue(const Value& page);
  Value FinishPageNoValue() const { return finishPageNo_; }
  Value SetFinishPageNoValue(const Value& page);
  Value PageCountValue() const { return PageCount(); }
  Value PageSpaceLeftValue() const { return pageSpaceLeft_; }
  Value PageSpaceTopValue() const { return pageSpaceTop_; }
  Value PageSpaceRightValue() const { return pageSpaceRight_; }
  Value PageSpaceBottomValue() const { return pageSpaceBottom_; }
  Value SetPageSpaceLeftValue(const Value& pixels);
  Value SetPageSpaceTopValue(const Value& pixels);
  Value SetPageSpaceRightValue(const Value& pixels);
  Value SetPageSpaceBottomValue(const Value& pixels);
  Value CallOnPreviousPage(const ValueList&) { return OnPreviousPage(); }
  Value CallOnNextPage(const ValueList&) { return OnNextPage(); }
  Value CallOnFinish(const ValueList&) { return OnFinish(); }
  Value CallOnAbort(const ValueList&) { return OnAbort(); }

  qWizardPageListRef pageList_;
  std::optional<qWizardProcessPageEntry> processPage_;
  int pageSpaceLeft_ = 16;
  int pageSpaceTop_ = 10;
  int pageSpaceRight_ = 16;
  int pageSpaceBottom_ = 10;
  int finishPageNo_ = 0;
  int currentPageNo_ = 0;
  // Per event of the table above, the owner's handler name; the empty symbol
  // for an empty slot.
  std::array<Symbol, 8> notifications_;
};

}  // namespace formfit
