every_dlg : dialog { 
    label="Every \"tile\"";
        :edit_box {
            key        = "name" ;
            label      = "Name:" ;
            value      = "Joe" ;
            width      = 70.3 ;
            height     =  1.9 ;
            alignment     = left ;
        }
        : button {
            key        = "go" ;
            label      = "Go" ;
            width      = 70.3 ;
            height     =  1.9 ;
            alignment     = top ;
            is_tab_stop = false ;
        }
        : toggle {
            key        = "keep" ;
            label      = "Keep" ;
            width      = 70.3 ;
            height     =  1.6 ;
            alignment     = top ;
            is_tab_stop = false ;
            value      = "1" ;
        }
        : text {
            key        = "opts" ;
            label      = "Options" ;
            width      = 70.3 ;
            height     =  1.1 ;
            alignment     = top ;
        }
        : boxed_radio_column {
            key        = "mode" ;
            label      = "Mode" ;
            alignment     = left ;
            width      = 70.3 ;
            height     =  5.3 ;
            children_alignment = left ;
            : radio_button {
                key        = "fast" ;
                label      = "Fast" ;
                width      = 69.7 ;
                height     =  1.4 ;
                alignment     = top ;
                is_tab_stop = false ;
                value      = "1" ;
            }
            : radio_button {
                key        = "slow" ;
                label      = "Slow" ;
                width      = 69.7 ;
                height     =  1.4 ;
                alignment     = top ;
                is_tab_stop = false ;
            }
        }
        : row {
            key        = "across" ;
            alignment     = top ;
            width      = 70.3 ;
            height     =  2.5 ;
            children_alignment = top ;
            : button {
                key        = "ok2" ;
                label      = "Apply" ;
                width      = 11.4 ;
                height     =  1.9 ;
                alignment     = top ;
                is_tab_stop = false ;
            }
            : spacer {
                width      =  4.3 ;
                height     =  1.9 ;
            }
        }
        :popup_list {
            key        = "colour" ;
            label      = "Colour:" ;
            alignment     = top ;
            width      = 70.3 ;
            height     =  1.4 ;
            is_tab_stop = false ;
            list     = "red\ngreen" ;
        }
        :list_box {
            key        = "layers" ;
            label      = "Layers:" ;
            alignment     = top ;
            width      = 70.3 ;
            height     =  5.1 ;
            tabs       = "8 16" ;
            is_tab_stop = false ;
            multiple_select = true ;
            allow_accept = true ;
            list     = "0\nWalls" ;
        }
        : slider  {
            key        = "size" ;
            width      = 70.3 ;
            height     =  1.1 ;
            value      = 10 ;
            max_value       = 50 ;
            min_value       = 0 ;
            big_increment   = 1 ;
            small_increment = 1 ;
        }
        : image {
            key        = "preview" ;
            width      = 70.3 ;
            height     =  4.0 ;
            color     = white ;
            alignment     = left ;
            is_tab_stop = false ;
        }
        : image_button  {
            key        = "pick" ;
            width      = 70.3 ;
            height     =  3.0 ;
            color     = red ;
            alignment     = left ;
            allow_accept = true ;
            is_tab_stop = false ;
        }
ok_cancel;
}
