#include "FormfitRes.h"
#include "app/SetupAction.h"
#include "base/FileSpec.h"
#include "engine/Backups.h"
#include "host/OwnerAlignment.h"
#include "host/WaitCursor.h"
#include "ui/LanguageText.h"
#include "ui/ReadingEnvironment.h"
#include "ui/TextNumbers.h"
#include "ui/wzpChangeMode.h"

namespace formfit {

namespace {

// A Windows file time as the user's settings write a date and a time of
// day, in local time.
std::string LocalDateTime(std::int64_t fileTime) {
  FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
  SYSTEMTIME universal{};
  SYSTEMTIME local{};
  if (!FileTimeToSystemTime(&utc, &universal) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
    return {};
  }
  char date[64] = {};
  char time[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, time, sizeof time);
  return std::string(date) + " " + time;
}

}  // namespace

_wzpChangeMode& _wzpChangeMode::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qWizardPage::Init(owner, ResourceID("_wzpChangeMode"), {}, true);

  const Symbol add(RowOf(Mode::kAdd).word);
  const Symbol remove(RowOf(Mode::kRemove).word);
  const Symbol restore(RowOf(Mode::kRestore).word);
  Add = std::make_unique<RadioButton>(*this, IDR_MODE_ADD);
  Add->SetLabel({add, LanguageText(text::kModeAdd, "&hinzufügen"),
                 "Das ausgewählte Element wird dem VO-Window-Editor hinzugefügt"});
  Add->SetTextValue(Add->Label().caption);

  Remove = std::make_unique<RadioButton>(*this, IDR_MODE_REMOVE);
  Remove->SetLabel({remove, LanguageText(text::kModeRemove, "&entfernen"),
                    "Das ausgewählte Element wird aus VO-Window-Editor entfernt"});
  Remove->SetTextValue(Remove->Label().caption);

  Restore = std::make_unique<RadioButton>(*this, IDR_MODE_RESTORE);
  Restore->SetLabel({restore,
                     LanguageText(text::kModeRestore, "&Letzte Sicherungskopie zurückholen"),
                     "Die letzte Sicherungskopie von DEDUDED.INF wird zurückgeholt"});
  Restore->SetTextValue(Restore->Label().caption);
  Restore->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  rbgMode = std::make_unique<RadioButtonGroup>(*this, IDG_MODE);
  rbgMode->SetLabel(
      {Symbol("rbgMode"), LanguageText(text::kModeFrame, "&Komponente dem VO-Window-Editor"), {}});
  rbgMode->SetTextValue(rbgMode->Label().caption);
  rbgMode->AddButton(*Add, add);
  rbgMode->AddButton(*Remove, remove);
  rbgMode->AddButton(*Restore, restore);
  rbgMode->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  ftBackup = std::make_unique<FixedText>(*this, IDT_MODE_BACKUP);
  ftBackup->SetLabel({Symbol("ftBackup"), "", {}});
  ftBackup->SetOwnerAlignment(OwnerAlignment::FollowWidth);
  ftState = std::make_unique<FixedText>(*this, IDT_MODE_STATE);
  ftState->SetLabel({Symbol("ftState"), "", {}});
  ftState->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  SetLabel({Symbol("_wzpChangeMode"), "qWizardPage", {}});
  PostInit();
  return *this;
}

void wzpChangeMode::Prepare(const PageVisit& visit) {
  ReadingEnvironment environment;
  {
    const WaitCursor wait;
    SetupChoice check = visit.current;
    check.mode = formfit::Mode::kCheck;
    state_ = CheckComponent(environment, check);
  }
  const ComponentStateRow& row = RowOf(*state_);
  ftState->SetTextValue(LanguageText(row.text, row.german));
  ShowBackup(NewestBackup(environment.Files(), visit.current));
  if (!chosen_ || !Mode()) SetMode(ProposedMode(*state_));
}

void wzpChangeMode::ShowBackup(std::optional<FoundBackup> backup) {
  backup_ = std::move(backup);
  if (backup_) {
    const FileSpec file(backup_->path);
    const std::string written = LocalDateTime(backup_->written);
    ftBackup->SetTextValue(file.FileName() + file.Extension() +
                           (written.empty() ? "" : ", " + written));
    Restore->Enable();
    ftBackup->Enable();
    return;
  }
  ftBackup->SetTextValue(LanguageText(text::kModeNoBackup, "Keine Sicherungskopie im Ordner BIN"));
  if (Restore->IsPressed()) {
    Restore->SetPressed(false);
    chosen_ = false;
  }
  Restore->Disable();
  ftBackup->Disable();
}

std::optional<Mode> wzpChangeMode::Mode() const {
  if (Add->IsPressed()) return formfit::Mode::kAdd;
  if (Remove->IsPressed()) return formfit::Mode::kRemove;
  if (Restore->IsPressed()) return formfit::Mode::kRestore;
  return std::nullopt;
}

void wzpChangeMode::SetMode(formfit::Mode mode) {
  // Setting a button's state, unlike a click, would leave another one
  // pressed as well, and Mode would then read the first of them.
  RadioButton* pressed = nullptr;
  if (mode == formfit::Mode::kAdd) pressed = Add.get();
  if (mode == formfit::Mode::kRemove) pressed = Remove.get();
  if (mode == formfit::Mode::kRestore && backup_) pressed = Restore.get();
  if (!pressed) return;
  for (RadioButton* button : {Add.get(), Remove.get(), Restore.get()}) {
    button->SetPressed(button == pressed);
  }
}

std::string wzpChangeMode::Backup() const {
  return backup_ ? BackupDigits(backup_->number) : std::string();
}

std::string wzpChangeMode::BackupText() const { return backup_ ? ftBackup->TextValue() : ""; }

bool wzpChangeMode::OnCommand(int code, int id, HWND control) {
  if (code == BN_CLICKED &&
      (id == IDR_MODE_ADD || id == IDR_MODE_REMOVE || id == IDR_MODE_RESTORE)) {
    chosen_ = true;
  }
  return _wzpChangeMode::OnCommand(code, id, control);
}

Value wzpChangeMode::ModeValue() const {
  const std::optional<formfit::Mode> mode = Mode();
  return mode ? Symbol(RowOf(*mode).word) : Symbol();
}

Value wzpChangeMode::SetModeValue(const Value& value) {
  if (!value.IsSymbol()) return value;
  if (const std::optional<formfit::Mode> mode = ReadMode(value.AsSymbol().Name())) {
    SetMode(*mode);
    chosen_ = chosen_ || Mode() == mode;
  }
  return value;
}

const MemberTable& wzpChangeMode::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<wzpChangeMode>(&qWizardPage::ClassMembers())
          .Property("Mode", &wzpChangeMode::ModeValue, &wzpChangeMode::SetModeValue)
          .Property("Backup", &wzpChangeMode::BackupValue);
  return table;
}

}  // namespace formfit
