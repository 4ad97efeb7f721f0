#include "gl/Programs.h"
#include "shaders/ShaderSources.h"

const ShaderParam preProc_params[3] = {
    {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, preProc_frag}, {0, nullptr}};
const ShaderParam aberrate_params[3] = {
    {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, aberrate_frag}, {0, nullptr}};
const ShaderParam blurW_params[3] = {
    {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, blurW_frag}, {0, nullptr}};
const ShaderParam blurH_params[3] = {
    {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, blurH_frag}, {0, nullptr}};
const ShaderParam postProc_params[3] = {
    {GL_VERTEX_SHADER, quad_vert}, {GL_FRAGMENT_SHADER, postProc_frag}, {0, nullptr}};

void CreateGLPrograms(GLPrograms* programs) {
    if (!programs) {
        return;
    }
    programs->preProc = CreateProgram(preProc_params, "");
    programs->aberrate = CreateProgram(aberrate_params, "");
    programs->blurW = CreateProgram(blurW_params, "");
    programs->blurH = CreateProgram(blurH_params, "");
    programs->postProc = CreateProgram(postProc_params, "");
}
