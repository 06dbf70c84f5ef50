/* Control ids shared by Formfit.rc and the code. The prefix names the kind
   of control: IDT_ fixed text, IDE_ edit field, IDC_ combo box, IDB_ push
   button, IDR_ radio button, IDG_ group box, IDP_ placeholder. */
#pragma once

/* _QWIZARDPAGEINFO: the page header */
#define IDT_PAGEINFO_CAPTION 100
#define IDT_PAGEINFO_DESCRIPTION 101
