/* Ids of the page tests' own templates. */
#pragma once

#define IDP_PAGE 100
#define IDP_HEADER 101
#define IDP_WIZARD 102
