/* Plugin settings of one run's own: a registry root key under HKCU made for
   the run and removed at its end, so a scripted run starts from the
   plugins' defaults whatever earlier runs stored. */
#ifndef HORALIS_HOSTSTANDIN_SCRATCH_SETTINGS_H
#define HORALIS_HOSTSTANDIN_SCRATCH_SETTINGS_H

/* Names the root key (relative to HKCU) and clears whatever a run of the
   same process id left there. */
void MakeScratchRoot(char *rootKey, int size);
/* Removes the root key with everything under it. */
void RemoveScratchRoot(const char *rootKey);

#endif
