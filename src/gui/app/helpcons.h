#pragma once

namespace linealidad::ayuda {

// Help context numbers: each menu item and window opens its help topic with its number.
constexpr int kArchivo = 1;
constexpr int kNuevo = 2;
constexpr int kAbrir = 3;
constexpr int kCerrar = 4;
constexpr int kGuardar = 5;
constexpr int kGuardarComo = 6;
constexpr int kImprimir = 7;
constexpr int kSalir = 8;
constexpr int kCalculos = 10;
constexpr int kInferencia = 11;
constexpr int kPredicciones = 12;
constexpr int kAnova = 13;
constexpr int kGrafica = 14;
constexpr int kInforme = 19;
constexpr int kVentana = 20;
constexpr int kAyuda = 30;
constexpr int kContenido = 31;
constexpr int kBuscar = 32;
constexpr int kAcerca = 33;
constexpr int kOpcionesGrafica = 1100;

} // namespace linealidad::ayuda
