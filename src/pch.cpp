// Anchor of the precompiled-header target.
