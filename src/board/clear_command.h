#pragma once

namespace quadrelle {

class Form1;

// "Clear": empties the model, both grids and the tags, and switches "Print Solution" off.
void ClearCommand(Form1 &form);

} // namespace quadrelle
