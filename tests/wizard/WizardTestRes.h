/* Ids of the wizard tests' own templates. */
#pragma once

#define IDP_SHOWN 100
#define IDP_HIDDEN 101
#define IDB_BEFORE 102
#define IDE_AFTER 103
#define IDP_DIALOGFRAME 104
#define IDP_NOPREFIX 105
#define IDE_INSIDE 106

#define IDB_FIRST 110
#define IDB_SECOND 111
#define IDE_FIELD 112

#define IDP_WIZARD 120
#define IDE_PAGETEXT 121
#define IDB_PAGEBUTTON 122
