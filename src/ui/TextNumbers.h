// The numbers of the setup wizard's language texts (Formfit.sys, section
// "Language"), one name for each text its windows show.
#pragma once

#include <array>

namespace formfit::text {

// The setup dialog and its pages.
inline constexpr unsigned kDialogCaption = 100;
inline constexpr unsigned kBrowse = 101;
inline constexpr unsigned kNoComponentChosen = 218;
inline constexpr unsigned kNoFolderChosen = 219;
inline constexpr unsigned kBack = 500;
inline constexpr unsigned kNext = 501;
inline constexpr unsigned kFinish = 502;
inline constexpr unsigned kAbort = 503;
inline constexpr unsigned kWelcomeCaption = 510;
inline constexpr unsigned kWelcomeDescription = 511;
inline constexpr unsigned kFolderCaption = 512;
inline constexpr unsigned kFolderDescription = 513;
inline constexpr unsigned kComponentCaption = 514;
inline constexpr unsigned kComponentDescription = 515;
inline constexpr unsigned kModeCaption = 516;
inline constexpr unsigned kModeDescription = 517;
inline constexpr unsigned kSummaryCaption = 518;
inline constexpr unsigned kSummaryDescription = 519;
inline constexpr unsigned kSetupCaption = 520;
inline constexpr unsigned kSetupDescription = 521;
inline constexpr unsigned kWelcomeInfo = 550;
inline constexpr unsigned kFolderLabel = 560;
inline constexpr unsigned kFolderDialogTitle = 561;
inline constexpr unsigned kComponentLabel = 570;
inline constexpr unsigned kModeFrame = 580;
inline constexpr unsigned kModeAdd = 581;
inline constexpr unsigned kModeRemove = 582;
inline constexpr unsigned kModeRestore = 583;
inline constexpr unsigned kModeNoBackup = 584;
inline constexpr unsigned kSummaryInfo = 590;
inline constexpr unsigned kSummaryFolder = 591;
inline constexpr unsigned kSummaryComponent = 592;
inline constexpr unsigned kSummaryComponentFile = 593;
inline constexpr unsigned kSummaryChange = 594;
inline constexpr unsigned kSummaryAdd = 595;
inline constexpr unsigned kSummaryRemove = 596;
inline constexpr unsigned kSummaryCommandLine = 597;
inline constexpr unsigned kSummaryNoCommandLine = 598;
inline constexpr unsigned kShowChanges = 599;
inline constexpr unsigned kSetupInfo = 600;
inline constexpr unsigned kFailedInside = 601;
inline constexpr unsigned kSummaryRestore = 610;
inline constexpr unsigned kSummaryBackup = 611;
// The mode page's line on the component's state.
inline constexpr unsigned kStateInstalled = 620;
inline constexpr unsigned kStateNotInstalled = 621;
inline constexpr unsigned kStateInPart = 622;
inline constexpr unsigned kStateNoEntries = 623;
inline constexpr unsigned kStateNoPlace = 624;
inline constexpr unsigned kStateNoConfiguration = 625;
inline constexpr unsigned kStateNoComponentFile = 626;
inline constexpr unsigned kStateUnreadable = 627;
// The window that shows the changes Finish would make.
inline constexpr unsigned kChangesCaption = 630;
inline constexpr unsigned kChangesClose = 631;
inline constexpr unsigned kNoChanges = 632;
inline constexpr unsigned kChangesCutBefore = 633;
inline constexpr unsigned kChangesCutAfter = 634;

// Every number above: each has a text in both shipped language files.
inline constexpr std::array kWizardTexts{
    kDialogCaption,
    kBrowse,
    kNoComponentChosen,
    kNoFolderChosen,
    kBack,
    kNext,
    kFinish,
    kAbort,
    kWelcomeCaption,
    kWelcomeDescription,
    kFolderCaption,
    kFolderDescription,
    kComponentCaption,
    kComponentDescription,
    kModeCaption,
    kModeDescription,
    kSummaryCaption,
    kSummaryDescription,
    kSetupCaption,
    kSetupDescription,
    kWelcomeInfo,
    kFolderLabel,
    kFolderDialogTitle,
    kComponentLabel,
    kModeFrame,
    kModeAdd,
    kModeRemove,
    kModeRestore,
    kModeNoBackup,
    kSummaryInfo,
    kSummaryFolder,
    kSummaryComponent,
    kSummaryComponentFile,
    kSummaryChange,
    kSummaryAdd,
    kSummaryRemove,
    kSummaryCommandLine,
    kSummaryNoCommandLine,
    kShowChanges,
    kSetupInfo,
    kFailedInside,
    kSummaryRestore,
    kSummaryBackup,
    kStateInstalled,
    kStateNotInstalled,
    kStateInPart,
    kStateNoEntries,
    kStateNoPlace,
    kStateNoConfiguration,
    kStateNoComponentFile,
    kStateUnreadable,
    kChangesCaption,
    kChangesClose,
    kNoChanges,
    kChangesCutBefore,
    kChangesCutAfter,
};

}  // namespace formfit::text
