#pragma once

// The one way project code includes the Windows headers.
#include <windows.h>

// The tree-document library has a member named DeleteFile; the Windows macro would
// rename it to DeleteFileW in every file that sees both.
#undef DeleteFile

// Two members of the error codes share their names with access and disposition flags
// that the project never passes.
#undef FILE_EXECUTE
#undef FILE_CREATE

// A layout rule kind is named ABSOLUTE; the GDI macro of that name is never used.
#undef ABSOLUTE

// A key is named DELETE; the access-right macro of that name is never used.
#undef DELETE
