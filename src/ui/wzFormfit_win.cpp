#include "app/ProgramEnvironment.h"
#include "app/SetupAction.h"
#include "app/SetupChoice.h"
#include "env/ProgramFile.h"
#include "host/MessageBox.h"
#include "ui/LanguageText.h"
#include "ui/SetupPage.h"
#include "ui/SummaryText.h"
#include "ui/TextNumbers.h"
#include "ui/wzFormfit.h"
#include "ui/wzpChangeMode.h"
#include "ui/wzpComponentChoice.h"
#include "ui/wzpFolderChoice.h"
#include "ui/wzpInfo.h"
#include "ui/wzpSummary.h"

namespace formfit {

namespace {

const Symbol kFolderPage("CAVOFolder");
const Symbol kComponentPage("Component");
const Symbol kModePage("Mode");
const Symbol kFolder("Folder");
const Symbol kComponentName("ComponentName");
const Symbol kComponentFile("ComponentFile");
const Symbol kMode("Mode");
const Symbol kInfo("Info");

// A page's default value: a language text, or else a symbol.
struct PageDefault {
  const char* name = nullptr;  // none
  unsigned text = 0;
  const char* symbol = nullptr;
};

// A page of the setup: its name, its class, its header texts by number with
// the texts shown when the language file has none, its default value, and
// whether Finish is allowed on it. What a page prepares before each visit
// is its own (SetupPage::Prepare).
struct PageRow {
  const char* name;
  const char* pageClass;
  std::unique_ptr<qWizardPage> (*make)(DialogWindow* wizard);
  unsigned caption;
  const char* captionDefault;
  unsigned description;
  const char* descriptionDefault;
  PageDefault defaultValue;
  bool finish = false;
};

template <typename Page>
std::unique_ptr<qWizardPage> Made(DialogWindow* wizard) {
  auto page = std::make_unique<Page>();
  page->Init(wizard);
  return page;
}

const PageRow kPages[] = {
    {"Welcome",
     "wzpInfo",
     &Made<wzpInfo>,
     text::kWelcomeCaption,
     "Willkommen im Assistenten für den VO-Window-Editor",
     text::kWelcomeDescription,
     "",
     {"Info", text::kWelcomeInfo}},
    {"CAVOFolder",
     "wzpFolderChoice",
     &Made<wzpFolderChoice>,
     text::kFolderCaption,
     "Verzeichnis von Visual Objects wählen",
     text::kFolderDescription,
     "Wählen Sie das Verzeichnis, in dem Visual Objects installiert ist.",
     {}},
    {"Component",
     "wzpComponentChoice",
     &Made<wzpComponentChoice>,
     text::kComponentCaption,
     "Element wählen",
     text::kComponentDescription,
     "Wählen Sie das Element, dass dem VO-Window-Editor hinzugefügt oder entfernt werden soll.",
     {}},
    {"Mode",
     "wzpChangeMode",
     &Made<wzpChangeMode>,
     text::kModeCaption,
     "Element hinzufügen oder entfernen",
     text::kModeDescription,
     "Wählen Sie, ob das ausgewählte Element dem VO-Window-Editor hinzugefügt oder entfernt "
     "werden soll.",
     {"Mode", 0, RowOf(Mode::kAdd).word}},
    {"Summary",
     "wzpSummary",
     &Made<wzpSummary>,
     text::kSummaryCaption,
     "Zusammenfassung",
     text::kSummaryDescription,
     "Sie haben alle Einstellungen vorgenommen.",
     {"Info", text::kSummaryInfo},
     true},
};
constexpr int kPageSpaceTop = 20;

}  // namespace

wzFormfit& wzFormfit::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  for (const PageRow& row : kPages) {
    qWizard::RegisterPageClass(row.pageClass, [&row](qWizard& wizard, qComponent::PointArg) {
      return std::shared_ptr<qWizardPage>(row.make(&wizard));
    });
  }
  qWizard::Init(owner, placeholderId);
  SetPageSpaceTop(kPageSpaceTop);
  SetNavigatorItemCaption(Symbol("PreviousPage"), LanguageText(text::kBack, "< &Zurück"));
  SetNavigatorItemCaption(Symbol("NextPage"), LanguageText(text::kNext, "&Weiter >"));
  SetNavigatorItemCaption(Symbol("Finish"), LanguageText(text::kFinish, "&Fertigstellen"));
  SetNavigatorItemCaption(Symbol("Abort"), LanguageText(text::kAbort, "&Abbrechen"));
  // The pages go in as one list with their default values, so that the
  // first page, which becomes current at once, finds its values on its
  // first activation.
  auto pages = std::make_shared<qWizardPageList>();
  for (const PageRow& row : kPages) {
    qWizardPageEntry entry;
    entry.Name = Symbol(row.name);
    entry.Page = row.pageClass;
    entry.Caption = LanguageText(row.caption, row.captionDefault);
    entry.Description = LanguageText(row.description, row.descriptionDefault);
    if (const PageDefault& value = row.defaultValue; value.name) {
      entry.Defaults.emplace();
      entry.Defaults->Put(Symbol(value.name), value.text ? Value(LanguageText(value.text))
                                                         : Value(Symbol(value.symbol)));
    }
    pages->push_back(std::move(entry));
  }
  SetPageList(pages);
  for (std::size_t i = 0; i < std::size(kPages); ++i) {
    if (kPages[i].finish) SetFinishPageNo(static_cast<int>(i) + 1);
  }
  SetProcessPage(Symbol("Setup"), "wzpInfo",
                 LanguageText(text::kSetupCaption, "VO-Window-Editor anpassen"),
                 LanguageText(text::kSetupDescription));
  return *this;
}

bool wzFormfit::ActivatePage(const Value& page, bool notify) {
  if (auto* setupPage = dynamic_cast<SetupPage*>(GetPage(page).get())) {
    const SetupChoice current = Choice();
    const SetupChoice defaults = DefaultChoice();
    const SummaryContext context = Context();
    setupPage->Prepare({!IsPageTouched(page), current, defaults, context});
  }
  return qWizard::ActivatePage(page, notify);
}

void wzFormfit::SetChoice(const SetupChoice& choice) {
  if (!choice.cavoFolder.empty()) SetCAVOFolder(choice.cavoFolder);
  if (!choice.componentName.empty()) SetComponentName(choice.componentName);
  if (!choice.componentFile.empty()) SetComponentFile(choice.componentFile);
  SetMode(choice.mode);
}

SetupChoice wzFormfit::Choice() {
  SetupChoice choice;
  choice.cavoFolder = CAVOFolder();
  choice.componentName = ComponentName();
  choice.componentFile = ComponentFile();
  choice.mode = Mode();
  return choice;
}

SetupChoice wzFormfit::DefaultChoice() {
  const auto text = [this](Symbol page, Symbol name) {
    const Value value = GetPageDefaultValue(page, name);
    return value.IsString() ? value.AsString() : std::string();
  };
  SetupChoice choice;
  choice.cavoFolder = text(kFolderPage, kFolder);
  choice.componentName = text(kComponentPage, kComponentName);
  choice.componentFile = text(kComponentPage, kComponentFile);
  const Value mode = GetPageDefaultValue(kModePage, kMode);
  if (mode.IsSymbol()) choice.mode = ReadMode(mode.AsSymbol().Name());
  return choice;
}

SummaryContext wzFormfit::Context() {
  SummaryContext context;
  if (const std::optional<FileSpec> program = ProgramFile()) context.program = program->FullPath();
  context.componentText = ComponentName();
  // A page not made yet is not made for this: its name is its text then.
  if (!IsPageCreated(kComponentPage)) return context;
  if (auto* page = dynamic_cast<wzpComponentChoice*>(GetPage(kComponentPage).get())) {
    context.componentText = page->ComponentText();
  }
  return context;
}

SetupResult wzFormfit::Setup() {
  if (const auto process = GetProcessPage()) process->Set(kInfo, LanguageText(text::kSetupInfo));
  // The process page is drawn before the work blocks the window.
  ProcessWaitingMessages();
  const SetupResult result = Change();
  if (result.status) InfoBox(this, result.status->caption, result.status->description);
  return result;
}

SetupResult wzFormfit::Change() {
  // Ends with the action, also when it throws: the session may end after a
  // failure.
  struct Changing {
    explicit Changing(bool& flag) : flag_(flag) { flag_ = true; }
    ~Changing() { flag_ = false; }
    bool& flag_;
  } changing(changing_);
  ProgramEnvironment environment;
  return SetupAction(environment, Choice());
}

bool wzFormfit::CanAbort() const {
  const Window* abort = GetChild(Symbol("Abort"));
  return abort && abort->IsEnabled();
}

bool wzFormfit::ManageNavigator() {
  const bool managed = qWizard::ManageNavigator();
  FollowCancelWithCloseBox();
  return managed;
}

bool wzFormfit::EnableNavigator(bool enable) {
  const bool enabled = qWizard::EnableNavigator(enable);
  FollowCancelWithCloseBox();
  return enabled;
}

bool wzFormfit::EnableNavigatorItem(Symbol name, bool enable) {
  const bool enabled = qWizard::EnableNavigatorItem(name, enable);
  FollowCancelWithCloseBox();
  return enabled;
}

void wzFormfit::FollowCancelWithCloseBox() const {
  if (!Exists()) return;
  const HMENU menu = GetSystemMenu(GetAncestor(Handle(), GA_ROOT), FALSE);
  if (menu) EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | (CanAbort() ? MF_ENABLED : MF_GRAYED));
}

std::string wzFormfit::PageString(Symbol page, Symbol name) {
  const Value value = GetPageValue(page, name);
  return value.IsString() ? value.AsString() : std::string();
}

void wzFormfit::SetPageString(Symbol page, Symbol name, const Value& value) {
  if (IsPageTouched(page)) {
    SetPageValue(page, name, value);
  } else {
    SetPageDefaultValue(page, name, value);
  }
}

std::string wzFormfit::CAVOFolder() { return ChosenFolder(PageString(kFolderPage, kFolder)); }

void wzFormfit::SetCAVOFolder(const std::string& folder) {
  SetPageString(kFolderPage, kFolder, folder);
}

std::string wzFormfit::ComponentName() { return PageString(kComponentPage, kComponentName); }

void wzFormfit::SetComponentName(const std::string& name) {
  SetPageString(kComponentPage, kComponentName, name);
}

std::string wzFormfit::ComponentFile() { return PageString(kComponentPage, kComponentFile); }

void wzFormfit::SetComponentFile(const std::string& file) {
  SetPageString(kComponentPage, kComponentFile, file);
}

std::optional<Mode> wzFormfit::Mode() {
  const Value mode = GetPageValue(kModePage, kMode);
  return mode.IsSymbol() ? ReadMode(mode.AsSymbol().Name()) : formfit::Mode::kAdd;
}

void wzFormfit::SetMode(std::optional<formfit::Mode> mode) {
  SetPageString(kModePage, kMode, Symbol(mode ? RowOf(*mode).word : ""));
}

}  // namespace formfit
