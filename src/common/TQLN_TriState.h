#pragma once

enum class TQLN_TriState { tsJa, tsNein, tsUndefiniert };
