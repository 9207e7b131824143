#include "minorplanets/elements.h"

#include <cmath>
#include <cstring>

#include "base/constants.h"

mprec mp[MPMAX];
objrec obj[MPMAX];
int userobj[MPUSERMAX];
mprec ast;
int iNumAst;

int mpfinite(const mprec *r) {
  const float v[] = {r->period,  r->fixed1,  r->fixed2,  r->diameter, r->peritime, r->hmag,
                     r->meananom, r->argperi, r->ascnode, r->inc,      r->ecc,      r->daily,
                     r->semiaxis, r->rexp};
  for (float x : v)
    if (!std::isfinite(x)) return 0;
  return 1;
}

int mpplausible(const mprec *r) {
  if (!mpfinite(r)) return 0;
  if (r->epoch < MINEPOCH || r->epoch > MAXEPOCH) return 0;
  if (!(r->ecc >= 0.0f && r->ecc < 1.0f)) return 0;  // the database holds ellipses
  if (!(r->semiaxis > 0.0f && r->semiaxis <= MAXSEMIAXIS)) return 0;
  return r->daily > 0.0f && r->daily <= MAXDAILY;
}

// Copies the fields the user file carries from one record to another.
static void copyelements(mprec *to, const mprec *from) {
  to->hmag = from->hmag;
  to->meananom = from->meananom;
  to->argperi = from->argperi;
  to->ascnode = from->ascnode;
  to->inc = from->inc;
  to->ecc = from->ecc;
  to->daily = from->daily;
  to->semiaxis = from->semiaxis;
  to->rexp = from->rexp;
  to->epoch = from->epoch;
  to->number = from->number;
  memcpy(to->name, from->name, sizeof to->name);
  to->name[19] = '\0';
}

void copymp2ast(int i) {
  if (i < 0 || i >= MPMAX) return;
  copyelements(&ast, &mp[i]);
}

void copyast2mp(int i) {
  if (i < 0 || i >= MPMAX) return;
  mprec *r = &mp[i];
  copyelements(r, &ast);
  r->peritime = ast.peritime;
  r->period = static_cast<float>(pow(static_cast<double>(ast.semiaxis), 1.5));
  r->fixed1 = 0.15f;
  r->fixed2 = 0.0f;
  r->diameter = 0.1f;
}

int getastname(int i, char *dest) {
  if (i < 0 || i >= MPMAX) {
    dest[0] = '\0';
    return 0;
  }
  memcpy(dest, mp[i].name, sizeof mp[i].name);
  dest[19] = '\0';
  return mp[i].number;
}

void getastdata(int i, double *hmag, double *meananom, double *ascnode, double *argperi,
                double *inc, double *ecc, double *daily, double *semiaxis, double *rexp,
                double *epoch, double *period, double *peritime) {
  const mprec &r = mp[i];
  *hmag = r.hmag;
  *meananom = r.meananom;
  *ascnode = r.ascnode / dRad;
  *argperi = r.argperi / dRad;
  *inc = r.inc / dRad;
  *ecc = r.ecc;
  *daily = r.daily;
  *semiaxis = r.semiaxis;
  *rexp = r.rexp;
  *epoch = r.epoch + 0.5;
  *period = r.period;
  *peritime = r.peritime;
}

int findastname(const char *name) {
  for (int i = 0; i < iNumAst; i++)
    if (strcmp(mp[i].name, name) == 0) return i;
  return -1;
}

int findastnumber(int number) {
  for (int i = 0; i < iNumAst; i++)
    if (mp[i].number == number) return i;
  return -1;
}

int countuserobj() {
  int n = 0;
  for (int slot : userobj)
    if (slot != -1) n++;
  return n;
}

int loguserobj(int i) {
  if (i < 0 || i >= MPMAX) return countuserobj();
  for (int slot : userobj)
    if (slot == i) return countuserobj();
  for (int k = 0; k < MPUSERMAX; k++) {
    if (userobj[k] == -1) {
      userobj[k] = i;
      obj[i].userslot = k;
      return countuserobj();
    }
  }
  return MPUSERMAX;
}
