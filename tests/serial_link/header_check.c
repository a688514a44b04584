/* Compiled as C: the public header must stay usable from plain C. */
#include "TKCom1.h"

int tkcom1HeaderCompilesAsC(void) {
  RomRecord rom;
  BaseDataRecord base;
  TKDCB dcb;
  TKHandle handle = 0;
  (void)rom;
  (void)base;
  (void)dcb;
  return handle == 0 && sizeof(SaveDataBlock) == TK_BLOCK_SIZE;
}
