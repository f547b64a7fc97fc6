/* An example of a module that uses Horalis: puts the date on the clipboard.
     put_date [path of Horalis.dll] [strftime format]
   Exit code 0 when the date is on the clipboard, 1 when Horalis could not
   be loaded or lacks PutHoralis, 2 when the clipboard refused the text. */
#include <stdio.h>

#include <windows.h>

#include "horalis.h"

int main(int argc, char **argv) {
  const char *library = argc > 1 ? argv[1] : "Horalis.dll";
  const char *format = argc > 2 ? argv[2] : "%d %B %Y %H:%M";
  HMODULE horalis = LoadLibraryA(library);
  if (!horalis) {
    fprintf(stderr, "put_date: cannot load %s (error %lu)\n", library, GetLastError());
    return 1;
  }
  PutHoralisFunction put = (PutHoralisFunction)(void *)GetProcAddress(horalis, HORALIS_PUT_NAME);
  if (!put) {
    fprintf(stderr, "put_date: %s has no %s\n", library, HORALIS_PUT_NAME);
    FreeLibrary(horalis);
    return 1;
  }
  int placed = put(format, NULL);
  FreeLibrary(horalis);
  if (!placed) {
    fprintf(stderr, "put_date: the clipboard refused the text\n");
    return 2;
  }
  return 0;
}
