/* Ids of the host tests' own template. */
#pragma once

#define IDT_LABEL 100
#define IDE_NAME 101
#define IDB_GO 102
#define IDC_LIST 103
#define IDG_MODE 104
#define IDR_ADD 105
#define IDR_REMOVE 106
#define IDB_CORNER 107
#define IDT_LINE 108
