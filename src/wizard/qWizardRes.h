/* Control ids of the wizard framework's own templates, shared by the
   program's .rc file (which holds the templates) and the framework's code.
   The prefix names the kind of control as in the program's ids. */
#pragma once

/* _QWIZARDPAGEINFO: the page header */
#define IDT_PAGEINFO_CAPTION 100
#define IDT_PAGEINFO_DESCRIPTION 101

/* _QWIZARD: the wizard control */
#define IDP_WIZARD_PAGEINFO 100
#define IDB_WIZARD_PREVIOUS 101
#define IDB_WIZARD_NEXT 102
#define IDB_WIZARD_FINISH 103
#define IDB_WIZARD_ABORT 104
#define IDT_WIZARD_SEPARATOR 105
