#pragma once

#include "materials/colour_planes.h"

namespace materials {

// Replaces each plane by its periodic component, in the periodic-plus-smooth
// decomposition of L. Moisan ("Periodic plus smooth image decomposition",
// 2011): the picture u is split into p + s, where s is smooth and holds all
// that makes the left edge disagree with the right and the top with the
// bottom, and p repeats without a seam. s solves a Poisson equation whose
// right side is the jumps across the wrap edges; in the Fourier domain that
// is one division per frequency, so it costs a forward and an inverse
// transform (two channels go through one complex transform together). The
// mean colour is kept. The side must be a power of two from 4 up.
//
// Why this and not a cross-fade of the edges: a cross-fade shows two
// unrelated parts of the photo through each other in a band along every
// edge, each at half its contrast (a washed-out cross, plain to see once
// the texture repeats across a hillside), and its band width trades a
// visible blend against a visible step. p keeps every detail of the photo
// at full contrast everywhere, has no setting, and across its wrap edges
// neighbouring texels differ about as much as anywhere inside. What it
// changes is slow: light falling off across a photo is evened out towards
// the edges, which a texture repeated over the ground wants anyway.
void KeepPeriodicComponent(ColourPlanes& planes);

}  // namespace materials
