#include "FormfitRes.h"
#include "host/OwnerAlignment.h"
#include "ui/LanguageText.h"
#include "ui/PageMessage_win.h"
#include "ui/TextNumbers.h"
#include "ui/wzpComponentChoice.h"

namespace formfit {

_wzpComponentChoice& _wzpComponentChoice::Init(DialogWindow* owner,
                                               std::optional<ResourceID> placeholderId) {
  PreInit(owner, placeholderId);
  qWizardPage::Init(owner, ResourceID("_wzpComponentChoice"), {}, true);

  Component = std::make_unique<FixedText>(*this, IDT_COMPONENT_LABEL);
  Component->SetLabel(
      {Symbol("Component"), LanguageText(text::kComponentLabel, "&Komponente:"), {}});
  Component->SetTextValue(Component->Label().caption);

  cboComponent = std::make_unique<ComboBox>(*this, IDC_COMPONENT);
  cboComponent->SetLabel({Symbol("cboComponent"), "", {}});
  cboComponent->SetOwnerAlignment(OwnerAlignment::FollowWidth);

  SetLabel({Symbol("_wzpComponentChoice"), "qWizardPage", {}});
  PostInit();
  return *this;
}

void wzpComponentChoice::FillUsing(const FileSpec& folder) { FillUsing(ListComponents(folder)); }

void wzpComponentChoice::FillUsing(const ComponentList& list) {
  std::vector<std::pair<std::string, Value>> items;
  items.reserve(list.items.size());
  for (const ComponentItem& item : list.items) {
    items.emplace_back(item.displayText, ValueList{item.name, item.file});
  }
  Refill(items, list.preselected);
}

void wzpComponentChoice::Refill(const std::vector<std::pair<std::string, Value>>& items,
                                const std::string& preselected) {
  cboComponent->Clear();
  // The combo box sorts the items itself.
  for (const auto& [text, value] : items) cboComponent->AddItem(text, value);
  if (preselected.empty()) {
    cboComponent->SelectItem(-1);
  } else {
    SetComponentName(preselected);
  }
}

void wzpComponentChoice::Prepare(const PageVisit& visit) {
  FileSpec folder(ChosenFolder(visit.current.cavoFolder));
  folder.AppendToPath("BIN");
  if (visit.first) return Refill(folder, "", "", "");
  Refill(folder, ComponentName(), ComponentFile(), visit.defaults.componentName);
}

void wzpComponentChoice::Refill(const FileSpec& folder, const std::string& picked,
                                const std::string& pickedFile, const std::string& wanted) {
  FillUsing(folder);
  const int preselected = cboComponent->CurrentItem();
  if (!picked.empty()) {
    for (int i = 0; i < cboComponent->ItemCount(); ++i) {
      const Value value = cboComponent->ItemValue(i);
      if (value == Value(ValueList{picked, pickedFile})) return cboComponent->SelectItem(i);
    }
  }
  if (!wanted.empty() && cboComponent->SelectItemText(wanted)) return;
  cboComponent->SelectItem(preselected);
}

std::string wzpComponentChoice::SelectedPart(std::size_t index) const {
  const Value value = cboComponent->ItemValue(cboComponent->CurrentItem());
  if (!value.IsList() || value.AsList()->size() <= index) return {};
  return (*value.AsList())[index].AsString();
}

std::string wzpComponentChoice::ComponentName() const { return SelectedPart(0); }

std::string wzpComponentChoice::ComponentFile() const { return SelectedPart(1); }

std::string wzpComponentChoice::ComponentText() const {
  const int selected = cboComponent->CurrentItem();
  return selected < 0 ? std::string() : cboComponent->ItemText(selected);
}

void wzpComponentChoice::SetComponentName(const std::string& displayText) {
  cboComponent->SelectItemText(displayText);
}

bool wzpComponentChoice::ValidateData(Symbol action) {
  if (action == Symbol("PreviousPage")) return true;
  if (!ComponentName().empty()) return true;
  ShowPageError(*this, LanguageText(text::kNoComponentChosen), *cboComponent);
  return false;
}

Value wzpComponentChoice::FillUsingMethod(const ValueList& args) {
  const Value source = args.empty() ? Value() : args.front();
  if (source.IsString()) {
    FillUsing(FileSpec(source.AsString()));
    return {};
  }
  std::vector<std::pair<std::string, Value>> items;
  if (source.IsList()) {
    for (const Value& item : *source.AsList()) {
      if (!item.IsList() || item.AsList()->empty()) continue;
      const ValueList& pair = *item.AsList();
      items.emplace_back(pair[0].AsString(), pair.size() > 1 ? pair[1] : Value());
    }
  }
  Refill(items, {});
  return {};
}

Value wzpComponentChoice::SetComponentNameValue(const Value& value) {
  SetComponentName(value.AsString());
  return value;
}

const MemberTable& wzpComponentChoice::ClassMembers() {
  static const MemberTable table =
      MemberTableOf<wzpComponentChoice>(&qWizardPage::ClassMembers())
          .Method("FillUsing", &wzpComponentChoice::FillUsingMethod)
          .Property("ComponentName", &wzpComponentChoice::ComponentNameValue,
                    &wzpComponentChoice::SetComponentNameValue)
          .Property("ComponentFile", &wzpComponentChoice::ComponentFileValue);
  return table;
}

}  // namespace formfit
