/* Control ids shared by Formfit.rc and the code. The prefix names the kind
   of control: IDT_ fixed text, IDE_ edit field, IDC_ combo box, IDB_ push
   button, IDR_ radio button, IDG_ group box, IDP_ placeholder. */
#pragma once

/* _QWIZARD and _QWIZARDPAGEINFO: the wizard framework's own ids */
#include "../src/wizard/qWizardRes.h"

/* _wzpInfo */
#define IDT_INFO_TEXT 100

/* _wzpFolderChoice */
#define IDT_FOLDER_LABEL 100
#define IDE_FOLDER 101
#define IDB_FOLDER_CHOICE 102

/* _wzpComponentChoice */
#define IDT_COMPONENT_LABEL 100
#define IDC_COMPONENT 101

/* _wzpChangeMode */
#define IDR_MODE_ADD 100
#define IDR_MODE_REMOVE 101
#define IDG_MODE 102

/* _wzpSummary */
#define IDT_SUMMARY_INFO 100
#define IDE_SUMMARY 101

/* _dlgFormfit */
#define IDP_SETUP_WIZARD 100
